# Warnings and sanitizers shared by every target of the project.
add_compile_options(-Wall -Wextra)
if(QLM_WERROR)
  add_compile_options(-Werror)
endif()
if(QLM_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# qlm_folder_library(name SOURCES ... LIBS ...): a static library of one program folder.
function(qlm_folder_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()
