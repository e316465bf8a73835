# cmake -DINPUT=<file> -DOUTPUT=<header> -DNAME=<identifier> -P EmbedBytes.cmake
# Writes a header holding the file's bytes as an array, so that a test program
# carries its recorded data with it wherever it runs.
file(READ ${INPUT} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n" bytes "${bytes}")
get_filename_component(source ${INPUT} NAME)
file(WRITE ${OUTPUT} "// Made by EmbedBytes.cmake from ${source}.\n#pragma once\n\nstatic const unsigned char ${NAME}[] = {\n${bytes}};\n")
