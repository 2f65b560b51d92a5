# The one print path and the one writer: paper and PDF pages are painted only through
# src/ui/printing/print_pages.cpp, and a file is renamed into place only by the atomic writer and
# its steps (src/platform/atomic_file.cpp, saved_file_steps.cpp), so that every saved file keeps
# one rule for links, devices, full disks and temporary files.
#
#   cmake -DROOT_DIR=<repository> -P cmake/CheckOnePrintPath.cmake
#
# A painter begun by hand (painter.begin(device)) or made on a printer, a PDF writer or a
# dereferenced device is a print outside the path; rename, renameat, QFile::rename,
# std::filesystem::rename and QSaveFile (which renames) are renames outside the writer. Prints
# every offending line and fails when any.
cmake_minimum_required(VERSION 3.25)
if(NOT ROOT_DIR)
  message(FATAL_ERROR "CheckOnePrintPath: ROOT_DIR not given")
endif()

set(print_path src/ui/printing/print_pages.cpp)
set(writer src/platform/atomic_file.cpp src/platform/saved_file_steps.cpp)
set(painter_on_printer "(\\.begin\\([ \t]*[^) \t]|QPainter[ \t]+[A-Za-z_][A-Za-z0-9_]*[({][ \t]*(\\*|&?[A-Za-z_]*([Pp]rinter|[Pp]df|[Ww]riter)))")
set(rename_into_place "(^|[^A-Za-z0-9_])rename(at2?)?[ \t]*\\(|QSaveFile")

set(failures 0)
file(GLOB_RECURSE files RELATIVE ${ROOT_DIR} ${ROOT_DIR}/src/*.h ${ROOT_DIR}/src/*.cpp
     ${ROOT_DIR}/app/*.h ${ROOT_DIR}/app/*.cpp)
foreach(file ${files})
  # One list item a line: the characters CMake's lists treat specially are set aside first.
  file(READ ${ROOT_DIR}/${file} text)
  string(REPLACE ";" "," text "${text}")
  string(REPLACE "[" "(" text "${text}")
  string(REPLACE "]" ")" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(NOT file IN_LIST print_path AND line MATCHES "${painter_on_printer}")
      message("${file}:${number}: a print outside PrintPages: ${line}")
      math(EXPR failures "${failures} + 1")
    endif()
    if(NOT file IN_LIST writer AND line MATCHES "${rename_into_place}")
      message("${file}:${number}: a rename outside WriteFileAtomically: ${line}")
      math(EXPR failures "${failures} + 1")
    endif()
  endforeach()
endforeach()
if(failures GREATER 0)
  message(FATAL_ERROR "${failures} print(s) or rename(s) outside the one print path and writer")
endif()
