# Runs the desktop's own validators on the desktop entry, the store entry and
# the file type. Run as: cmake -DSOURCE=... -P Validate.cmake
set(packaging ${SOURCE}/packaging)
set(checks
    "desktop-file-validate|${packaging}/quillane.desktop"
    "appstreamcli|validate|--no-net|--explain|${packaging}/io.github.quillane.Quillane.metainfo.xml"
    "xmllint|--noout|${packaging}/quillane-mime.xml")
foreach(check IN LISTS checks)
  string(REPLACE "|" ";" command "${check}")
  list(GET command 0 tool)
  find_program(found ${tool})
  if(NOT found)
    message(FATAL_ERROR "${tool} is missing: scripts/setup installs it")
  endif()
  unset(found CACHE)
  execute_process(COMMAND ${command} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${tool} refused it:\n${out}${err}")
  endif()
endforeach()
