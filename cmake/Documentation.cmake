# `doc`: the reference of the public headers as they are installed
# (build/src/include/kytpreview), written to build/doc/html by Doxygen.
# tests/scripts/doc_reference.sh runs the same configuration with warnings
# as errors.
find_package(Doxygen QUIET)
set(KYT_DOC_INPUT ${PROJECT_BINARY_DIR}/src/include/kytpreview)
set(KYT_DOC_STRIP ${PROJECT_BINARY_DIR}/src/include)
set(KYT_DOC_OUTPUT ${PROJECT_BINARY_DIR}/doc)
set(KYT_DOC_FILTER ${PROJECT_SOURCE_DIR}/cmake/doxygen-comments.sh)
configure_file(${PROJECT_SOURCE_DIR}/cmake/Doxyfile.in ${PROJECT_BINARY_DIR}/doc/Doxyfile @ONLY)
if(DOXYGEN_FOUND)
  add_custom_target(doc
    COMMAND Doxygen::doxygen ${PROJECT_BINARY_DIR}/doc/Doxyfile
    DEPENDS kyt_public_headers
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/doc
    COMMENT "Reference of the public headers in ${PROJECT_BINARY_DIR}/doc/html"
    VERBATIM)
else()
  add_custom_target(doc
    COMMAND ${CMAKE_COMMAND} -E echo "doxygen is not installed (scripts/install-deps.sh)"
    COMMAND ${CMAKE_COMMAND} -E false)
endif()
