// Menú Archivo de la ventana principal: guardar y abrir de nuevo,
// confirmaciones, destinos que no se pueden escribir, archivos de otros
// (errores; los que parecen HTML, en ventanas_inicio_test) y el proyecto nuevo
// de cada lectura.

#include <QDir>
#include <QTemporaryDir>

#include "../file/ayudas_archivo.h"
#include "banco_ventanas.h"

static const QString Titulo = "Cálculo mecánico de tubos [%1]";

class PruebaArchivoVentana : public BancoVentanas {
    Q_OBJECT

private slots:
    BANCO_VENTANAS_INIT_CLEANUP

    void GuardarYAbrirRestauranTodo()
    {
        QTemporaryDir carpeta;
        const QString nombre = carpeta.filePath("caso.txt");
        TuboNormal();
        Pon({{"TabbedNotebook1", 2}, {"EditH2r", "0.5"}, {"EditB", "2.1"}, {"EFap", "1.9"}});
        Pon({{"TabTrafico", 2}, {"ComboAeropuerto", 3}});
        Pon({{"ComboCompactador", 2}, {"EditPq", "1.5"}, {"EditQs", "0.75"}});
        guion.nombres = {nombre};
        f->GuardarClick();  // sin archivo: como "Guardar como"
        QCOMPARE(f->windowTitle(), Titulo.arg(nombre));
        QCOMPARE(p->Modificado, 0);
        guion.vistos.clear();
        f->GuardarClick();  // sin cambios: nada
        QVERIFY(guion.vistos.isEmpty());

        f->LimpiarDatos1Click();
        guion.nombres = {nombre};
        f->AbrirClick();
        // Casillas, páginas y listas; cada clave y su lectura, en las pruebas del archivo.
        QCOMPARE(Ve({"TabbedNotebook1", "EditDi", "EditB", "EFap", "TabTrafico", "ComboAeropuerto",
                     "Lab_comp"}),
                 QStringList({"2", "1000", "2.1", "1.9", "2", "Jumbo (3500 kN)", "34.19 kN/m"}));
        QCOMPARE(p->Modificado, 0);
    }

    // Lo guardado lleva los resultados de sus datos: ni los del caso anterior a "Limpiar
    // Datos" ni los de una memoria de otros datos. Dos veces el mismo caso, el mismo archivo.
    void ResultadosDeLosDatosGuardados()
    {
        QTemporaryDir carpeta;
        const auto guarda = [&](const QString& nombre) {
            guion.nombres = {carpeta.filePath(nombre)};
            f->Guardarcomo1Click();
            return BytesDe(carpeta.filePath(nombre));
        };
        const auto caso = [this](const char* hr) {
            TuboNormal();
            Pon({{"EditB", "2.6"}, {"EFap", "1.9"}, {"EditHr", hr}});
        };
        caso("3");
        AbreCon([this] { f->CalcularClaseResistenteUNE(); });
        Pon({{"EditHr", "2"}});  // la memoria era de hr = 3
        const QByteArray primero = guarda("uno.txt");
        guion.respuestas = {RespuestaAceptar};
        f->LimpiarDatos1Click();
        caso("2");
        QCOMPARE(guarda("dos.txt"), primero);
        guion.vistos.clear();
    }

    void ConfirmacionesDeArchivo()
    {
        Pon({{"EditHr", "2"}});
        // Abrir con cambios pregunta; Cancelar no abre nada.
        guion.respuestas = {RespuestaCancelar, RespuestaCancelar, RespuestaCancelar,
                            RespuestaCancelar, RespuestaAceptar};
        guion.nombres = {"no-se-pide"};
        f->AbrirClick();
        QCOMPARE(guion.nombres.size(), 1);
        f->LimpiarDatos1Click();  // Cancelar deja los datos
        QCOMPARE(p->hr, 2.0);
        // Cerrar la ventana con cambios pregunta como "Salir"; Cancelar la deja abierta.
        f->SalirClick();
        QVERIFY(f->isVisible());
        f->close();
        QVERIFY(f->isVisible());
        f->close();
        QVERIFY(!f->isVisible());
        const QString salir = "¿Seguro que desea salir sin guardar datos?";
        QCOMPARE(guion.Textos(),
                 QStringList({"¿Sobreescribir con nuevos datos?",
                              "¿Seguro que quiere borrar todos los datos?", salir, salir, salir}));
    }

    // Lo que queda escrito tras "¿Desea sobreescribir…?" y la respuesta a la
    // pregunta de los caracteres; nunca un archivo a medias ni uno temporal.
    void GuardarRehusaOPregunta()
    {
        const QString caracteres = "El archivo de datos no admite estos caracteres:\n%1\nSe "
                                   "guardarán como «?». ¿Desea guardar de todos modos?";
        const QByteArray viejo = "contenido viejo";
        const struct {
            QString obra;
            bool soloLectura;
            int respuesta;
            QString mensaje;
            QByteArray archivo;
        } casos[] = {{"Presión ≥ 2 bar", false, RespuestaCancelar, caracteres.arg("≥"), viejo},
                     {"tubo\u200B1", false, RespuestaCancelar, caracteres.arg("U+200B"), viejo},
                     {"Presión 2 bar", true, 0,
                      "El archivo es de solo lectura. Puede guardar los datos en otro archivo con "
                      "«Guardar como».",
                      viejo},
                     // El último: guardar cambia el título.
                     {"Presión ≥ 2 bar · γ ≥", false, RespuestaAceptar, caracteres.arg("≥ γ"),
                      "Presi\xF3n ? 2 bar \xB7 ? ?\r\n"}};
        for (const auto& c : casos) {
            QTemporaryDir carpeta;
            const QString nombre = Escribe(carpeta.filePath("caso.txt"), viejo);
            if (c.soloLectura)
                QFile::setPermissions(nombre, QFile::ReadOwner | QFile::ReadGroup);
            p->MObra = {c.obra.toStdString()};
            p->FileName = nombre.toStdString();
            p->Modificado = 1;
            guion.vistos.clear();
            guion.respuestas = {RespuestaAceptar, c.respuesta};
            f->GuardarClick();
            QCOMPARE(guion.Textos(),
                     QStringList({"¿Desea sobreescribir con datos modificados? ", c.mensaje}));
            QCOMPARE(guion.vistos[1].titulo, QString(c.soloLectura ? "Error" : "¡¡ Atención !!"));
            const QByteArray bytes = BytesDe(nombre);
            const bool guardado = c.archivo != viejo;
            QVERIFY2(guardado ? bytes.contains("\r\n" + c.archivo) : bytes == viejo, bytes.data());
            QCOMPARE(p->Modificado, guardado ? 0 : 1);
            QCOMPARE(f->windowTitle(), Titulo.arg(guardado ? nombre : " "));
            QCOMPARE(QDir(carpeta.path())
                         .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                     QStringList{"caso.txt"});
        }
    }

    // "Exportar sección (DXF)…" dibuja el caso de la ventana con sus clases; un
    // caso sin zanja a su medida no tiene sección y no se pregunta dónde guardarla.
    void ExportaSeccion()
    {
        const struct {
            const char* proyecto;
            const char* mensaje;
            const char* rotulo;  // en Windows-1252
        } casos[] = {
            {"zanja.txt", "",
             "Proyecto: zanja.txt \xB7 Clase UNE 127.010: 90 \xB7 Clase ASTM C76M: III"},
            {"",
             "La zanja es más estrecha que el tubo (b menor que De): no hay sección que dibujar.",
             ""},
        };
        for (const auto& c : casos) {
            QTemporaryDir carpeta;
            const QString dxf = carpeta.filePath("seccion.dxf");
            f->LimpiarDatos1Click();
            guion.nombres = {CARPETA_EJEMPLOS "/" + QString(c.proyecto)};
            if (*c.proyecto)
                f->AbrirClick();
            else
                TuboNormal();
            guion.vistos.clear();
            guion.propuestos.clear();
            guion.nombres = {dxf};
            Hijo<QAction>(f, "ExportarSeccion")->trigger();
            QCOMPARE(guion.Textos(), *c.mensaje ? QStringList{c.mensaje} : QStringList{});
            QCOMPARE(guion.propuestos.size(), *c.mensaje ? 0 : 1);
            QCOMPARE(QFile::exists(dxf), *c.rotulo != 0);
            QVERIFY(!*c.rotulo || BytesDe(dxf).contains(c.rotulo));
        }
    }

    void ArchivoConErroresYCancelar()
    {
        CarpetaTemporal carpeta;
        const QString nombre = QString::fromStdString(
            carpeta.Escribe("roto.txt", ConTitulo({K(22), "   7", "esto no es una clave"})));
        TuboNormal();
        p->Modificado = 0;
        guion.nombres = {nombre, nombre, "/proc/self/mem"};
        guion.respuestas = {RespuestaCancelar, RespuestaAceptar, RespuestaCancelar};
        f->AbrirClick();
        QCOMPARE(guion.vistos[0].botones, BotonesAceptarCancelar | IconoError);
        QCOMPARE(Ve({"EditHr"}), QStringList{"2"});  // el proyecto anterior sigue entero
        QCOMPARE(f->windowTitle(), Titulo.arg(" "));
        f->AbrirClick();  // con Aceptar se lee lo demás
        QCOMPARE(Ve({"EditHr"}), QStringList{"7"});
        // Un medio que falla al leer no cierra el programa ni toca el proyecto.
        f->AbrirClick();
        QCOMPARE(guion.Textos(),
                 QStringList({"Error en esto no es una clave", "Error en esto no es una clave",
                              "Error en lectura del archivo"}));
        QCOMPARE(guion.vistos[2].botones, BotonCancelar | IconoError);
        QCOMPARE(p->hr, 7.0);
        QCOMPARE(f->windowTitle(), Titulo.arg(nombre));
    }

    void AbrirEmpiezaDeUnProyectoNuevo()
    {
        // Un archivo con talud y otro sin él: del segundo, el talud es el de un
        // proyecto nuevo y al guardarlo no aparece. El aviso apagado sigue apagado.
        CarpetaTemporal carpeta;
        const auto escribe = [&](const std::string& nombre, const Textos& lineas) {
            return QString::fromStdString(carpeta.Escribe(nombre, ConTitulo(lineas)));
        };
        const QString guardado = QString::fromStdString((carpeta.ruta / "guardado.txt").string());
        p->AvisoEspesor = 0;
        guion.nombres = {escribe("talud.txt", {K(15), "1", K(44), "1.5", K(45), "4", K(46), "0.3"}),
                         escribe("otro.txt", {K(22), "3"}), guardado};
        f->AbrirClick();
        QCOMPARE(p->TaludH, 1.5);
        f->AbrirClick();
        QCOMPARE(p->TaludDefinido, 0);
        QCOMPARE(p->TaludH + p->TaludV + p->Resguardo + p->Di + p->AvisoEspesor, 6.0);
        QCOMPARE(Ve({"EditDi", "EditHr"}), QStringList({"0", "3"}));
        f->Guardarcomo1Click();
        QVERIFY(!BytesDe(guardado).contains("Componente horizontal del talud"));
        QVERIFY(guion.vistos.isEmpty());
    }
};

QTEST_MAIN(PruebaArchivoVentana)
#include "form1_archivo_test.moc"
