#pragma once
// Orden "Anejo de cálculo (PDF)…" de las ventanas: el anejo del caso como lo
// calculan sus órdenes (respondiendo No a sus preguntas), sin tocar el registro.

#include <QString>

#include <optional>

#include "anejo.h"

class Dialogos;
struct Proyecto;

// El caso de la ventana tal como se nombra: su archivo sin carpeta, con
// " (con cambios sin guardar)" si no es el del archivo, o "(sin guardar)".
QString NombreDelCaso(const Proyecto& p);

// Pide el nombre del PDF (propone el del proyecto, o el de la tabla de tramos
// si el proyecto no tiene, con .pdf), calcula el caso sobre una copia y
// escribe el anejo, con el capítulo de los tramos si se dan. Un error al
// escribir se muestra en un mensaje. Mientras se escribe, un aviso de espera
// con "Cancelar": cancelado, no se escribe nada.
void EscribeAnejoDelCaso(const Proyecto& p, Dialogos& dialogos,
                         std::optional<TramosAnejo> tramos = std::nullopt);

// Espera a que terminen los anejos cancelados que aún se estaban haciendo (lo
// hace el programa al cerrarse).
void EsperaAnejosCancelados();
