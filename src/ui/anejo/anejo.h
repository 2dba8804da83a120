#pragma once
// Anejo de cálculo en PDF: el caso entero para firmarlo (datos, hipótesis,
// cargas, clases con su validez, matrices de clases, clase según la altura de
// relleno y notas). El mismo código sirve a la ventana y a la línea de órdenes.

#include <QDate>
#include <QString>

struct CalculoArchivo;

// Lo que el anejo muestra y no sale del cálculo.
struct DatosAnejo {
    QString archivo;  // nombre del archivo de proyecto que se muestra en la cabecera
    QDate fecha;      // fecha del anejo
    QString version;  // versión del programa
};

struct ResultadoAnejo {
    bool escrito = false;
    int paginas = 0;
    QString error;  // por qué no se escribió; vacío si se escribió
};

// Versión del programa tal como la lleva el anejo, la de la memoria ("Versión: 2.02a").
QString VersionPrograma();

// Escribe el anejo del cálculo en el PDF (A4). Se escribe en un archivo
// provisional que solo al final sustituye al de destino; nunca sobre el
// archivo de proyecto del cálculo.
ResultadoAnejo EscribeAnejo(const CalculoArchivo& calculo, const DatosAnejo& datos,
                            const QString& pdf);
