# `cmake --build build --target kytpreview_lupdate` refreshes the catalogues
# in translations/ from every text of the libraries and the command-line
# program (tr(), QCoreApplication::translate, QT_TRANSLATE_NOOP). The
# catalogues are compiled into the core library (src/CMakeLists.txt).
set(KYT_TS_FILES ${PROJECT_SOURCE_DIR}/translations/kytpreview_de.ts)
file(GLOB_RECURSE kyt_lupdate_sources CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h
  ${PROJECT_SOURCE_DIR}/app/*.cpp ${PROJECT_SOURCE_DIR}/app/*.h)
qt_add_lupdate(kytpreview TS_FILES ${KYT_TS_FILES} SOURCES ${kyt_lupdate_sources}
  INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/app ${PROJECT_BINARY_DIR}/src
  OPTIONS -locations none -no-obsolete)
