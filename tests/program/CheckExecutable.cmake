cmake_minimum_required(VERSION 3.25)
# The program must be a 32-bit GUI executable that needs nothing but Windows' own libraries: a
# user copies one file and it runs.
execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE headers COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${headers}")
string(TOUPPER "${imports}" imports)
set(others ${imports})
list(FILTER others EXCLUDE REGEX
     "(ADVAPI32|COMCTL32|GDI32|KERNEL32|MSVCRT|OLE32|OLEAUT32|SHELL32|USER32|WINMM)\\.DLL$")
if(NOT headers MATCHES "file format pei-i386.*Subsystem[ \t]+0*2[ \t]+\\(Windows GUI\\)"
   OR NOT imports MATCHES "KERNEL32" OR others)
  message(FATAL_ERROR "not a 32-bit GUI executable importing only system libraries: ${imports}")
endif()
