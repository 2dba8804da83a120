#pragma once
// Todos los mensajes y diálogos comunes del programa pasan por aquí: Mensaje()
// para los cuadros de mensaje y Dialogos para abrir, guardar e imprimir. Las
// pruebas ponen en su lugar una versión con las respuestas escritas.

#include <QString>

#include "interlocutor.h"

class QPrinter;

// Botones e icono de un mensaje (se suman: SiNo | IconoPregunta).
enum BotonesMensaje : int {
    BotonAceptar = 0,
    BotonesAceptarCancelar = 1,
    BotonesSiNoCancelar = 3,
    BotonesSiNo = 4,
    BotonCancelar = 0x1000,  // un único botón "Cancelar" (errores del lector de archivos)
    BotonSi = 0x2000,        // un único botón "Sí" (una confirmación sin alternativa)
    IconoError = 0x10,
    IconoPregunta = 0x20,
    IconoAviso = 0x30,
    IconoInformacion = 0x40,
};

// Botón pulsado.
enum RespuestaMensaje : int {
    RespuestaAceptar = 1,
    RespuestaCancelar = 2,
    RespuestaSi = 6,
    RespuestaNo = 7,
};

class Dialogos {
public:
    virtual ~Dialogos() = default;
    // Cuadro de mensaje modal con título y botones; devuelve el botón pulsado.
    virtual int Mensaje(const QString& texto, const QString& titulo, int botones) = 0;
    // Nombre de archivo elegido para abrir o guardar; vacío si se cancela.
    // Al guardar se puede proponer un nombre.
    virtual QString NombreAbrir(const QString& filtro) = 0;
    virtual QString NombreGuardar(const QString& filtro, const QString& extension,
                                  const QString& propuesto = QString()) = 0;
    // Quién firma el anejo y su revisión, con los de la vez anterior propuestos;
    // false si se cancela.
    virtual bool PideFirma(QString& autor, QString& revision) = 0;
    // Diálogo de impresora ("Especificar impresora"); false si se cancela.
    virtual bool ConfiguraImpresora(QPrinter& impresora) = 0;
    // Diálogo de imprimir (impresora y copias); false si se cancela.
    virtual bool DialogoImprimir(QPrinter& impresora) = 0;
};

// Los diálogos en uso: los de Qt, o los que haya puesto FijaDialogos.
Dialogos& DialogosPrograma();
// Sustituye los diálogos (nullptr vuelve a los de Qt).
void FijaDialogos(Dialogos* dialogos);

// El icono de un mensaje del motor, para sumarlo a los botones.
inline int IconoDe(Aviso::Icono icono)
{
    switch (icono) {
    case Aviso::Icono::Pregunta: return IconoPregunta;
    case Aviso::Icono::Aviso: return IconoAviso;
    case Aviso::Icono::Informacion: return IconoInformacion;
    case Aviso::Icono::Ninguno: break;
    }
    return 0;
}

// Muestra un mensaje con los diálogos en uso.
int Mensaje(const QString& texto, const QString& titulo, int botones = BotonAceptar);
