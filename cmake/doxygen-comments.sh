#!/bin/sh
# Doxygen input filter for the public headers: the plain // comments above a
# declaration, and those after it on the same line, are its documentation.
exec sed -E -e 's#^([[:space:]]*)//([^/!]|$)#\1///\2#' \
  -e 's#([;,{])([[:space:]]*)//[[:space:]]([^/].*)$#\1\2///< \3#' "$1"
