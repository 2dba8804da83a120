# Ejecuta la herramienta de línea de órdenes y compara su salida entera y su
# código de salida con los esperados. Variables: PROGRAMA, ARGUMENTOS
# (separados por "|"), ESPERADO (archivo con la salida esperada), CODIGO y
# OBTENIDO (dónde dejar la salida si difiere: en la carpeta de construcción).
# EMULADOR, si lo hay, ejecuta el programa (Wine, para el de Windows).
# Con SALIDA, la salida estándar va a ese archivo y se compara la de errores.
# Con ARCHIVO, lo que se compara, byte a byte, es ese archivo que escribe el
# programa (se borra antes, para que no valga el de otra vez).
string(REPLACE "|" ";" argumentos "${ARGUMENTOS}")
if(DEFINED ARCHIVO)
  file(REMOVE "${ARCHIVO}")
endif()
if(DEFINED SALIDA)
  execute_process(COMMAND ${EMULADOR} "${PROGRAMA}" ${argumentos}
                  OUTPUT_FILE "${SALIDA}"
                  ERROR_VARIABLE salida
                  RESULT_VARIABLE codigo)
else()
  execute_process(COMMAND ${EMULADOR} "${PROGRAMA}" ${argumentos}
                  OUTPUT_VARIABLE salida
                  RESULT_VARIABLE codigo)
endif()
if(NOT codigo EQUAL CODIGO)
  message(FATAL_ERROR "código de salida ${codigo}, se esperaba ${CODIGO}")
endif()
if(DEFINED ARCHIVO)
  if(NOT EXISTS "${ARCHIVO}")
    message(FATAL_ERROR "no se escribió ${ARCHIVO}")
  endif()
  file(READ "${ARCHIVO}" salida HEX)
  file(READ "${ESPERADO}" esperado HEX)
  if(NOT salida STREQUAL esperado)
    file(COPY_FILE "${ARCHIVO}" "${OBTENIDO}")
    message(FATAL_ERROR "${ARCHIVO} difiere de ${ESPERADO}; el obtenido está en ${OBTENIDO}")
  endif()
  return()
endif()
file(READ "${ESPERADO}" esperado)
if(NOT salida STREQUAL esperado)
  file(WRITE "${OBTENIDO}" "${salida}")
  message(FATAL_ERROR "la salida difiere de ${ESPERADO}; la obtenida está en ${OBTENIDO}")
endif()
