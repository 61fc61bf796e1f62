cmake_minimum_required(VERSION 3.25)
# A 32-bit GUI executable needing only Windows' own libraries, nothing newer than Windows 7: a
# user copies one file and it runs. What ships is stripped and says its version.
execute_process(COMMAND ${OBJDUMP} -p -t ${EXE} OUTPUT_VARIABLE headers COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${headers}")
string(TOUPPER "${imports}" imports)
set(others ${imports})
list(FILTER others EXCLUDE REGEX
     "(ADVAPI32|COMCTL32|GDI32|KERNEL32|MSVCRT|OLE32|OLEAUT32|SHELL32|USER32|WINMM)\\.DLL$")
if(NOT headers MATCHES "file format pei-i386.*Subsystem[ \t]+0*2[ \t]+\\(Windows GUI\\)"
   OR NOT imports MATCHES "KERNEL32" OR others)
  message(FATAL_ERROR "not a 32-bit GUI executable importing only system libraries: ${imports}")
endif()
if(NOT headers MATCHES "SYMBOL TABLE:[\r\n]+no symbols")
  message(FATAL_ERROR "not stripped")
endif()
# VS_FIXEDFILEINFO: its signature, structure version 1.0, then file and product version 4.0.0.2,
# each as two little-endian 32-bit halves.
file(READ ${EXE} bytes HEX)
if(NOT bytes MATCHES "bd04effe0000010000000400020000000000040002000000")
  message(FATAL_ERROR "no version 4.0.0.2")
endif()
# What runtime libraries of newer toolchains are known to reach for.
foreach(function GetSystemTimePreciseAsFileTime CreateFile2 WaitOnAddress WakeByAddressSingle
                 WakeByAddressAll SetThreadDescription GetCurrentThreadStackLimits)
  if(headers MATCHES "[ \t]${function}[\r\n]")
    message(FATAL_ERROR "imports ${function}, which Windows 7 lacks")
  endif()
endforeach()
