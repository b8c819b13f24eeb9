#!/bin/sh
# Doxygen input filter for the public headers: the plain // comments above a
# declaration, and those after it on the same line, are its documentation;
# the comment at the top of a header describes the file.
awk '
  /^#pragma once/ && !done { print; top = 1; next }
  top && /^\/\/([^\/!]|$)/ { print "/// \\file"; top = 0; done = 1 }
  top && !/^[[:space:]]*$/ { top = 0; done = 1 }
  { print }
' "$1" | sed -E -e 's#^([[:space:]]*)//([^/!]|$)#\1///\2#' \
  -e 's#([;,{])([[:space:]]*)//[[:space:]]([^/].*)$#\1\2///< \3#'
