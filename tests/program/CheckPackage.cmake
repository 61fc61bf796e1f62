cmake_minimum_required(VERSION 3.25)
# The download: the release program as built and checked, the sample sounds, and the readme as
# Notepad on any Windows reads it (Windows-1252, CR LF). Run with -P, given ZIP, EXE (the built
# Acordina.exe), README (docs/LEIA-ME.txt) and OBJDUMP.
get_filename_component(dir ${ZIP} DIRECTORY)
set(dir ${dir}/package-check)
file(REMOVE_RECURSE ${dir})
file(MAKE_DIRECTORY ${dir})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${ZIP} WORKING_DIRECTORY ${dir}
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cannot unpack ${ZIP}")
endif()
file(GLOB names RELATIVE ${dir} ${dir}/*)
list(SORT names)
if(NOT names STREQUAL "Acordina.exe;LEIA-ME.txt;alarme_classico.wav;bipes.wav;sino.wav")
  message(FATAL_ERROR "the package holds ${names}")
endif()

file(SHA256 ${dir}/Acordina.exe packed)
file(SHA256 ${EXE} built)
if(NOT packed STREQUAL built)
  message(FATAL_ERROR "the packed Acordina.exe is not the release build")
endif()
set(EXE ${dir}/Acordina.exe)
include(${CMAKE_CURRENT_LIST_DIR}/CheckExecutable.cmake)

set(readme ${dir}/LEIA-ME.txt)
file(READ ${readme} hex HEX)
string(REGEX REPLACE "(..)" "\\1," bytes "${hex}")
string(REPLACE "0d,0a," "" bare "${bytes}")
if(bare MATCHES "(^|,)0[ad]," OR NOT bytes MATCHES "0d,0a,$")
  message(FATAL_ERROR "LEIA-ME.txt has a line not ended by CR LF")
endif()
# Every byte a Windows-1252 character, and the text the same as its source.
execute_process(COMMAND iconv -f WINDOWS-1252 -t UTF-8 ${readme} OUTPUT_VARIABLE decoded
                RESULT_VARIABLE rc)
file(READ ${README} source)
string(REPLACE "\r\n" "\n" decoded "${decoded}")
if(NOT rc EQUAL 0 OR NOT decoded STREQUAL source)
  message(FATAL_ERROR "LEIA-ME.txt is not its source in Windows-1252")
endif()
message(STATUS "package ${ZIP}: ${names}")
