# Fails when a source of the core library or of the headless platform includes a
# Qt header or an operating system's GUI header. Those folders must build with
# the standard library alone, so that the tests and the batch tool need no GUI.
foreach(dir IN LISTS DIRS)
  file(GLOB files ${SOURCE_DIR}/${dir}/*.h ${SOURCE_DIR}/${dir}/*.cpp)
  foreach(file IN LISTS files)
    file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS lines)
      if(line MATCHES "<Q[A-Za-z]*[>/]|<qt|windows\\.h|<X11/|<gtk/|<Cocoa/")
        message(FATAL_ERROR "${file}: GUI header in the core library: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()
