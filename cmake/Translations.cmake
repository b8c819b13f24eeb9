# `cmake --build build --target kytpreview_lupdate` refreshes the catalogues
# in translations/ from every text of the libraries and the command-line
# program (tr(), QCoreApplication::translate, QT_TRANSLATE_NOOP). The
# catalogues are compiled into the core library (src/CMakeLists.txt).
set(KYT_TS_FILES ${PROJECT_SOURCE_DIR}/translations/kytpreview_de.ts)
file(GLOB_RECURSE kyt_lupdate_sources CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h
  ${PROJECT_SOURCE_DIR}/app/*.cpp ${PROJECT_SOURCE_DIR}/app/*.h)
set(kyt_lupdate_includes ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/app ${PROJECT_BINARY_DIR}/src)
# No line numbers: a moved text does not change the catalogue.
set(kyt_lupdate_options -locations none -no-obsolete)
qt_add_lupdate(kytpreview TS_FILES ${KYT_TS_FILES} SOURCES ${kyt_lupdate_sources}
  INCLUDE_DIRECTORIES ${kyt_lupdate_includes} OPTIONS ${kyt_lupdate_options})

# The same run for tests/scripts/translations.sh, which checks that the
# catalogue is up to date and complete without touching it.
list(TRANSFORM kyt_lupdate_includes PREPEND "-I" OUTPUT_VARIABLE kyt_lupdate_lst)
list(APPEND kyt_lupdate_lst ${kyt_lupdate_sources})
list(JOIN kyt_lupdate_lst "\n" kyt_lupdate_lst)
file(WRITE ${PROJECT_BINARY_DIR}/translations/lupdate_sources.lst "${kyt_lupdate_lst}\n")
file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/translations/tools.sh CONTENT
  "LUPDATE='$<TARGET_FILE:Qt6::lupdate>'\nLRELEASE='$<TARGET_FILE:Qt6::lrelease>'\n")
