# Compiles the RCDATA items listed in a manifest ("NAME relative/path" per line) into one
# C++ source of byte arrays, registered under their names.
set(PINWRIGHT_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedResourcesScript.cmake)

function(pinwright_embed_resources manifest output symbol)
  get_filename_component(base ${manifest} DIRECTORY)
  file(STRINGS ${manifest} lines)
  set(deps ${manifest})
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*#" OR line MATCHES "^[ \t]*$")
      continue()
    endif()
    string(REGEX REPLACE "^[^ \t]+[ \t]+" "" path "${line}")
    list(APPEND deps ${base}/${path})
  endforeach()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${manifest})
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DMANIFEST=${manifest} -DOUTPUT=${output} -DSYMBOL=${symbol} -P ${PINWRIGHT_EMBED_SCRIPT}
    DEPENDS ${deps} ${PINWRIGHT_EMBED_SCRIPT}
    COMMENT "Embedding resources")
endfunction()
