#pragma once
// Anejo de cálculo en PDF: el caso entero para firmarlo (datos, hipótesis,
// cargas, clases con su validez, matrices de clases, clase según la altura de
// relleno y notas) y, si se le da, la conducción por tramos calculada sobre
// ese caso. El mismo código sirve a las ventanas y a la línea de órdenes.

#include <QDate>
#include <QString>

#include <atomic>
#include <optional>
#include <vector>

#include "tramos.h"

struct CalculoArchivo;

// Una conducción por tramos ya calculada, para su capítulo del anejo.
struct TramosAnejo {
    std::vector<Tramo> tramos;
    std::vector<TramoCalculado> calculos;  // uno por tramo, en el mismo orden
    ResumenTramos resumen;
    QString tabla;  // archivo de la tabla de tramos (el anejo muestra su nombre sin carpeta)
};

// Lo que el anejo muestra y no sale del cálculo.
struct DatosAnejo {
    QString archivo;  // nombre del archivo de proyecto que se muestra en la cabecera
    QDate fecha;      // fecha del anejo
    QString version;  // versión del programa
    QString autor;    // quien firma el anejo, y su revisión: de la portada
    QString revision;
    std::optional<TramosAnejo> tramos;  // el capítulo "Tramos", si lo hay
};

struct ResultadoAnejo {
    bool escrito = false;
    bool cancelado = false;  // se canceló: el PDF no se escribió, el que hubiera queda
    int paginas = 0;
    QString error;  // por qué no se escribió; vacío si se escribió
};

// Versión del programa tal como la lleva el anejo, la de la memoria ("Versión: 2.02a").
QString VersionPrograma();

// Escribe el anejo del cálculo en el PDF (A4). Se hace en memoria y se guarda
// entero como un proyecto (un temporal que solo al final sustituye al de
// destino); nunca sobre el archivo de proyecto ni sobre la tabla de tramos.
// Si cancelado pasa a true mientras se hace, termina sin escribir nada.
ResultadoAnejo EscribeAnejo(const CalculoArchivo& calculo, const DatosAnejo& datos,
                            const QString& pdf, const std::atomic<bool>* cancelado = nullptr);
