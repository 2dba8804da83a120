# Lo que va junto a los .exe en Windows (en la construcción y al instalar) y los
# paquetes: instalador NSIS y .zip portátil (cpack -G "NSIS;ZIP", scripts/windows).

install(FILES ${DLLS_MINGW} DESTINATION .)
install(DIRECTORY ejemplos/ DESTINATION ejemplos)

if(BUILD_GUI)
  enable_language(RC)
  # El icono del programa, hecho del SVG al construir, y el .rc que lo lleva al .exe.
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  find_program(ICOTOOL icotool REQUIRED)
  set(ICONO_WINDOWS ${CMAKE_BINARY_DIR}/calculo-tubos.ico)
  set(imagenes)
  foreach(lado 16 24 32 48 64 128 256)
    list(APPEND imagenes ${CMAKE_BINARY_DIR}/icono/${lado}.png)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/icono/${lado}.png
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icono
      COMMAND ${RSVG_CONVERT} -w ${lado} -h ${lado} -o ${CMAKE_BINARY_DIR}/icono/${lado}.png
              ${PROJECT_SOURCE_DIR}/resources/calculo-tubos.svg
      DEPENDS ${PROJECT_SOURCE_DIR}/resources/calculo-tubos.svg)
  endforeach()
  add_custom_command(OUTPUT ${ICONO_WINDOWS}
    COMMAND ${ICOTOOL} -c -o ${ICONO_WINDOWS} ${imagenes}
    DEPENDS ${imagenes})
  add_custom_target(icono_windows DEPENDS ${ICONO_WINDOWS})
  configure_file(resources/calculo-tubos.rc.in ${CMAKE_BINARY_DIR}/calculo-tubos.rc @ONLY)
  target_sources(calculo-tubos PRIVATE ${CMAKE_BINARY_DIR}/calculo-tubos.rc)
  add_dependencies(calculo-tubos icono_windows)
  set_source_files_properties(${CMAKE_BINARY_DIR}/calculo-tubos.rc PROPERTIES
    OBJECT_DEPENDS ${ICONO_WINDOWS})
  # Un programa de ventanas: sin consola detrás.
  set_target_properties(calculo-tubos PROPERTIES WIN32_EXECUTABLE ON)

  # Qt: sus DLL, la plataforma de Windows y la de sin pantalla (el anejo por la línea
  # de órdenes), el estilo de Windows, su traducción al español y las letras.
  set(modulos_qt Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport)
  foreach(modulo ${modulos_qt})
    install(FILES $<TARGET_FILE:${modulo}> DESTINATION .)
  endforeach()
  install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
                $<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin>
          DESTINATION plugins/platforms)
  install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION plugins/styles)
  set(traduccion_qt /usr/share/qt6/translations/qtbase_es.qm)
  file(GLOB letras /usr/share/fonts/truetype/liberation2/LiberationSans-*.ttf
                   /usr/share/fonts/truetype/liberation2/LiberationSerif-*.ttf)
  if(NOT EXISTS ${traduccion_qt} OR NOT letras)
    message(FATAL_ERROR "Faltan qt6-translations-l10n o fonts-liberation2")
  endif()
  install(FILES ${traduccion_qt} DESTINATION translations)
  install(FILES ${letras} DESTINATION fonts)
  install(DIRECTORY resources/ayuda/ DESTINATION ayuda)
  # Instalado, Qt busca todo junto al programa.
  set(PREFIJO_QT .)
  set(PLUGINS_QT plugins)
  set(TRADUCCIONES_QT translations)
  set(BIBLIOTECAS_QT .)
  configure_file(cmake/qt.conf.in ${CMAKE_BINARY_DIR}/instalar/qt.conf @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/instalar/qt.conf DESTINATION .)
  # En la construcción, los plugins son los del Qt para Windows y la traducción y
  # las letras, copias junto a los .exe.
  set(bin ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
  file(COPY ${traduccion_qt} DESTINATION ${bin}/translations)
  file(COPY ${letras} DESTINATION ${bin}/fonts)
  set(PREFIJO_QT Z:${QT_WINDOWS})
  set(PLUGINS_QT plugins)
  set(TRADUCCIONES_QT Z:${bin}/translations)
  set(BIBLIOTECAS_QT Z:${bin})
  configure_file(cmake/qt.conf.in ${bin}/qt.conf @ONLY)
endif()

# Las DLL de Debian llevan símbolos de depuración: fuera, en la copia que se instala.
install(CODE "
  file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
  execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \${dlls} COMMAND_ERROR_IS_FATAL ANY)")

set(CPACK_GENERATOR "NSIS;ZIP")
set(CPACK_PACKAGE_NAME calculo-tubos)
set(CPACK_PACKAGE_VENDOR "Equipo de cálculo")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Cálculo mecánico de tubos de hormigón armado según UNE 127.010")
set(CPACK_PACKAGE_FILE_NAME calculo-tubos-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Cálculo mecánico de tubos")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY calculo-tubos)
set(CPACK_STRIP_FILES ON)

# El instalador: en Archivos de programa, con su entrada en el menú Inicio y su
# desinstalador en «Agregar o quitar programas».
# Un instalador de 64 bits y Unicode: nombres con tildes en cualquier Windows.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME "Cálculo mecánico de tubos")
set(CPACK_NSIS_DISPLAY_NAME "Cálculo mecánico de tubos ${PROJECT_VERSION}")
set(CPACK_PACKAGE_EXECUTABLES calculo-tubos "Cálculo mecánico de tubos")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME calculo-tubos.exe)
set(CPACK_NSIS_MUI_ICON ${ICONO_WINDOWS})
set(CPACK_NSIS_MUI_UNIICON ${ICONO_WINDOWS})
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_UNINSTALL_NAME Desinstalar)
# Los títulos en español no caben en dos líneas.
set(CPACK_NSIS_WELCOME_TITLE_3LINES ON)
set(CPACK_NSIS_FINISH_TITLE_3LINES ON)

# El instalador en español, como el programa, en un Windows de cualquier idioma: la
# plantilla de CPack con solo el español y sus propios textos traducidos.
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in nsis)
function(traduce ingles espanol)
  string(FIND "${nsis}" "${ingles}" donde)
  if(donde EQUAL -1)
    message(FATAL_ERROR "La plantilla de NSIS de esta CMake no tiene «${ingles}»")
  endif()
  string(REPLACE "${ingles}" "${espanol}" traducida "${nsis}")
  set(nsis "${traducida}" PARENT_SCOPE)
endfunction()
traduce("MUI_LANGUAGE \"English\" ;first language is the default language" "IDIOMA")
string(REGEX REPLACE "[ ]*!insertmacro MUI_LANGUAGE [^\n]*\n" "" nsis "${nsis}")
traduce("IDIOMA" "MUI_LANGUAGE \"Spanish\"")
traduce("Uninstall.lnk" "Desinstalar.lnk")
traduce("\"Install Options\" \"Choose options for installing"
        "\"Opciones de instalación\" \"Elija cómo instalar")
traduce("is already installed. $\\n$\\nDo you want to uninstall the old version before installing the new one?"
        "ya está instalado.$\\n$\\n¿Quiere desinstalar la versión anterior antes de instalar la nueva?")
traduce("\"Uninstall failed.\"" "\"No se ha podido desinstalar la versión anterior.\"")
file(WRITE ${CMAKE_BINARY_DIR}/nsis/NSIS.template.in "${nsis}")

# La licencia que muestra, la del paquete de Debian: en UTF-8 con su marca, como la
# lee NSIS.
file(READ packaging/copyright licencia)
string(REGEX REPLACE "^.*\nCopyright: ([^\n]*)\nLicense: [^\n]*\n" "© \\1\n\n" licencia
                     "${licencia}")
string(REPLACE "\n " "\n" licencia "\n${licencia}")
string(STRIP "${licencia}" licencia)
string(ASCII 239 187 191 marca_utf8)
file(WRITE ${CMAKE_BINARY_DIR}/nsis/licencia.txt "${marca_utf8}${licencia}\n")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_BINARY_DIR}/nsis/licencia.txt)
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_BINARY_DIR}/nsis)
