# Compilación para Windows con mingw-w64 (scripts/windows y las pruebas cruzadas de
# scripts/test). Se incluye antes de las carpetas de los fuentes.

# En Windows el programa va en una sola carpeta: los .exe junto a sus DLL. Así están
# también en la construcción, con todo lo que necesitan al lado para probarlos.
set(CMAKE_INSTALL_BINDIR .)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# Las DLL de mingw que usa cualquier programa compilado con él.
set(DLLS_MINGW)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE ruta OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(ruta ${ruta} REALPATH)
  if(NOT EXISTS ${ruta})
    message(FATAL_ERROR "No se encuentra ${dll} de mingw-w64")
  endif()
  list(APPEND DLLS_MINGW ${ruta})
endforeach()

if(NOT CMAKE_CROSSCOMPILING)
  return()
endif()

# nlohmann/json es solo cabeceras: valen las de Debian, pero no el resto de
# /usr/include, que es el de Linux.
set(nlohmann_json_DIR /usr/share/cmake/nlohmann_json CACHE PATH "nlohmann/json de Debian")
find_package(nlohmann_json 3 REQUIRED)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/cabeceras)
file(CREATE_LINK /usr/include/nlohmann ${CMAKE_BINARY_DIR}/cabeceras/nlohmann SYMBOLIC)
set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
  INTERFACE_INCLUDE_DIRECTORIES ${CMAKE_BINARY_DIR}/cabeceras)

# GoogleTest se compila con las pruebas, con el mismo compilador.
set(GTEST_FUENTES /usr/src/googletest CACHE PATH "Fuentes de GoogleTest (paquete googletest)")

# El Qt para Windows hecho por scripts/windows está fuera de la raíz de mingw.
if(QT_WINDOWS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${QT_WINDOWS})
endif()

# Las pruebas y las ejecuciones de referencia pasan bajo Wine, con un prefijo propio
# en la construcción y las DLL de mingw (y de Qt) en el camino de búsqueda.
find_program(WINE64 wine64 PATHS /usr/lib/wine)
if(WINE64)
  set(carpetas_dll)
  foreach(dll ${DLLS_MINGW})
    get_filename_component(carpeta ${dll} DIRECTORY)
    list(APPEND carpetas_dll ${carpeta})
  endforeach()
  if(QT_WINDOWS)
    list(APPEND carpetas_dll ${QT_WINDOWS}/bin)
  endif()
  list(REMOVE_DUPLICATES carpetas_dll)
  list(TRANSFORM carpetas_dll PREPEND "Z:")
  string(REPLACE "/" "\\" CAMINO_DLL "${carpetas_dll}")
  set(PREFIJO_WINE ${CMAKE_BINARY_DIR}/wine)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/wine.sh.in ${CMAKE_BINARY_DIR}/wine.sh @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine.sh)
endif()
