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
  if(NOT ARG_SOURCES)
    # A folder whose classes have not landed yet: headers and links only.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_LIBS})
    return()
  endif()
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  qlm_vtk_autoinit(${name})
endfunction()

# VTK's object factories (render windows, OpenGL classes) register through
# autoinit definitions in every target that includes VTK headers.
function(qlm_vtk_autoinit target)
  vtk_module_autoinit(TARGETS ${target} MODULES ${VTK_LIBRARIES})
endfunction()
