#pragma once
// Diálogos con las respuestas escritas de antemano, para las pruebas de las
// ventanas: anotan cada mensaje (texto, título, botones) en su orden y
// responden lo que diga el guion. Un mensaje con pregunta que el guion no
// prevé se anota como fallo y se responde Cancelar o No.

#include <QList>
#include <QPrinter>
#include <functional>
#include <QString>
#include <QStringList>

#include "mensaje.h"

class DialogosGuion : public Dialogos {
public:
    struct Visto {
        QString texto;
        QString titulo;
        int botones;
    };

    QList<Visto> vistos;
    QList<int> respuestas;    // respuestas a las preguntas, en orden
    QStringList nombres;      // nombres de archivo que devuelven abrir y guardar
    QStringList propuestos;   // nombres propuestos al pedir dónde guardar
    QStringList imprevistos;  // preguntas sin respuesta en el guion
    int configuraciones = 0;  // veces que se pidió el diálogo de impresora
    int impresiones = 0;      // veces que se pidió el diálogo de imprimir
    // Lo que hace el diálogo de imprimir: sin guion, cancelar.
    std::function<bool(QPrinter&)> imprimir = [](QPrinter&) { return false; };

    // El diálogo de imprimir hace antes lo que diga mientras (con él abierto) y acepta, o no,
    // imprimir ese número de copias al PDF dado.
    void ImprimeEn(const QString& pdf, bool acepta = true, int copias = 1,
                   const std::function<void()>& mientras = {})
    {
        imprimir = [=](QPrinter& impresora) {
            if (mientras)
                mientras();
            impresora.setOutputFormat(QPrinter::PdfFormat);
            impresora.setOutputFileName(pdf);
            impresora.setCopyCount(copias);
            return acepta;
        };
    }

    int Mensaje(const QString& texto, const QString& titulo, int botones) override
    {
        vistos.append({texto, titulo, botones});
        if (botones & BotonSi)
            return RespuestaSi;  // un solo botón: no hay nada que elegir
        const bool pregunta = (botones & 0xF) != BotonAceptar || (botones & BotonCancelar);
        if (!pregunta)
            return RespuestaAceptar;
        if (respuestas.isEmpty()) {
            imprevistos.append(texto);
            return (botones & 0xF) == BotonesSiNo ? RespuestaNo : RespuestaCancelar;
        }
        return respuestas.takeFirst();
    }
    QString NombreAbrir(const QString&) override
    {
        return nombres.isEmpty() ? QString() : nombres.takeFirst();
    }
    QString NombreGuardar(const QString&, const QString&,
                          const QString& propuesto = QString()) override
    {
        propuestos.append(propuesto);
        return nombres.isEmpty() ? QString() : nombres.takeFirst();
    }
    // Autor y revisión del anejo: los del guion; vacío el autor, se cancela.
    QString autor = "Autora de las pruebas", revision = "A";
    QStringList firmasPropuestas;  // "autor|revisión" propuestos cada vez
    bool PideFirma(QString& autorPedido, QString& revisionPedida) override
    {
        firmasPropuestas.append(autorPedido + "|" + revisionPedida);
        if (autor.isEmpty())
            return false;
        autorPedido = autor, revisionPedida = revision;
        return true;
    }
    bool ConfiguraImpresora(QPrinter&) override
    {
        ++configuraciones;
        return false;
    }
    bool DialogoImprimir(QPrinter& impresora) override
    {
        ++impresiones;
        return imprimir(impresora);
    }

    // Textos vistos, en orden.
    QStringList Textos() const
    {
        QStringList textos;
        for (const Visto& visto : vistos)
            textos.append(visto.texto);
        return textos;
    }
    // Cada mensaje visto como "título · botones · texto", en orden.
    QStringList Vistos() const
    {
        QStringList textos;
        for (const Visto& v : vistos)
            textos.append(QString("%1 · %2 · %3").arg(v.titulo).arg(v.botones).arg(v.texto));
        return textos;
    }
};
