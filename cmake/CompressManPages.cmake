# gzip -9n every manual page in DIR (as Debian packages ship them); without
# gzip they stay as they are.
if(GZIP)
  file(GLOB pages "${DIR}/*.1")
  if(pages)
    execute_process(COMMAND ${GZIP} -9nf ${pages} RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "gzip failed on the manual pages in ${DIR}")
    endif()
  endif()
endif()
