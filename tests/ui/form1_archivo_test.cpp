// Órdenes del menú Archivo de la ventana principal: guardar y abrir de nuevo,
// confirmaciones, destinos que no se pueden escribir, archivos de otros
// (errores, textos que parecen HTML) y el proyecto nuevo que empieza cada
// lectura.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <string>
#include <vector>

#include "banco_ventanas.h"
#include "claves.h"
#include "form1.h"
#include "proyecto.h"
#include "texto1252.h"

class PruebaArchivoVentana : public BancoVentanas {
    Q_OBJECT

private slots:
    BANCO_VENTANAS_INIT_CLEANUP

    void GuardarYAbrirRestauranTodo()
    {
        QTemporaryDir carpeta;
        const QString nombre = carpeta.filePath("caso.txt");
        TuboNormal();
        Hijo<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(2);
        Caja("EditH2r")->setText("0.5");
        Caja("EditB")->setText("2.1");
        Caja("EFap")->setText("1.9");
        Lista("ComboRelleno")->setCurrentIndex(4);
        Lista("ComboBase")->setCurrentIndex(0);
        Hijo<QTabWidget>(f, "TabTrafico")->setCurrentIndex(2);
        Lista("ComboAeropuerto")->setCurrentIndex(3);
        Lista("ComboCompactador")->setCurrentIndex(2);
        Caja("EditPq")->setText("1.5");
        Caja("EditQs")->setText("0.75");
        guion.nombres = {nombre};
        f->GuardarClick();  // sin archivo: como "Guardar como"
        QCOMPARE(f->windowTitle(), "Cálculo mecánico de tubos [" + nombre + "]");
        QCOMPARE(p->Modificado, 0);
        guion.vistos.clear();
        f->GuardarClick();  // sin cambios: nada
        QVERIFY(guion.vistos.isEmpty());

        const Proyecto guardado = *p;
        f->LimpiarDatos1Click();
        guion.nombres = {nombre};
        f->AbrirClick();
        QCOMPARE(p->InstalacionIndex, 2);
        QCOMPARE(p->Di, guardado.Di);
        QCOMPARE(p->h2r, 0.5);
        QCOMPARE(p->Tipo, guardado.Tipo);
        QCOMPARE(Hijo<QTabWidget>(f, "TabbedNotebook1")->currentIndex(), 2);
        QCOMPARE(Lista("EditDi")->currentText(), QString("1000"));
        QCOMPARE(Caja("EditB")->text(), QString("2.1"));
        QCOMPARE(Caja("EFap")->text(), QString("1.9"));
        QCOMPARE(Caja("EditQs")->text(), QString("0.75"));
        QCOMPARE(Lista("ComboRelleno")->currentIndex(), 4);
        QCOMPARE(Lista("ComboBase")->currentIndex(), 0);
        QCOMPARE(Hijo<QTabWidget>(f, "TabTrafico")->currentIndex(), 2);
        QCOMPARE(Lista("ComboAeropuerto")->currentIndex(), 3);
        QCOMPARE(Hijo<QLabel>(f, "Lab_comp")->text(), QString("34.19 kN/m"));
        QCOMPARE(p->Modificado, 0);
    }

    void ConfirmacionesDeArchivo()
    {
        Caja("EditHr")->setText("2");
        // Abrir con cambios pregunta; Cancelar no abre nada.
        guion.respuestas = {RespuestaCancelar};
        guion.nombres = {"no-se-pide"};
        f->AbrirClick();
        QCOMPARE(guion.Textos(), QStringList{"¿Sobreescribir con nuevos datos?"});
        QCOMPARE(guion.nombres.size(), 1);
        // Limpiar con cambios y Cancelar deja los datos.
        guion.respuestas = {RespuestaCancelar};
        f->LimpiarDatos1Click();
        QCOMPARE(p->hr, 2.0);
        // Cerrar la ventana con cambios pregunta como "Salir"; Cancelar la deja abierta.
        guion.respuestas = {RespuestaCancelar};
        f->SalirClick();
        QVERIFY(f->isVisible());
        guion.respuestas = {RespuestaCancelar};
        f->close();
        QVERIFY(f->isVisible());
        QCOMPARE(guion.Textos().last(), QString("¿Seguro que desea salir sin guardar datos?"));
        guion.respuestas = {RespuestaAceptar};
        f->close();
        QVERIFY(!f->isVisible());
        // "Especificar impresora" abre el diálogo de impresora.
        Opcion(f.get(), "&Especificar impresora")->trigger();
        QCOMPARE(guion.configuraciones, 1);
    }

    void GuardarRehusaOPregunta_data()
    {
        QTest::addColumn<QString>("obra");
        QTest::addColumn<bool>("soloLectura");
        QTest::addColumn<int>("respuesta");       // a la pregunta de los caracteres
        QTest::addColumn<QString>("mensaje");     // tras "¿Desea sobreescribir…?"
        QTest::addColumn<QByteArray>("archivo");  // lo que queda escrito
        const QString caracteres = "El archivo de datos no admite estos caracteres:\n%1\nSe "
                                   "guardarán como «?». ¿Desea guardar de todos modos?";
        const QByteArray viejo = "contenido viejo";
        QTest::newRow("caracteres, Aceptar")
            << "Presión ≥ 2 bar · γ ≥" << false << int(RespuestaAceptar) << caracteres.arg("≥ γ")
            << QByteArray("Presi\xF3n ? 2 bar \xB7 ? ?\r\n");
        QTest::newRow("caracteres, Cancelar")
            << "Presión ≥ 2 bar" << false << int(RespuestaCancelar) << caracteres.arg("≥") << viejo;
        QTest::newRow("invisible, por su código")
            << "tubo\u200B1" << false << int(RespuestaCancelar) << caracteres.arg("U+200B")
            << viejo;
        QTest::newRow("solo lectura") << "Presión 2 bar" << true << 0
                                      << "El archivo es de solo lectura. Puede guardar los datos "
                                         "en otro archivo con «Guardar como»."
                                      << viejo;
    }

    void GuardarRehusaOPregunta()
    {
        QFETCH(QString, obra);
        QFETCH(bool, soloLectura);
        QFETCH(int, respuesta);
        QFETCH(QString, mensaje);
        QFETCH(QByteArray, archivo);
        QTemporaryDir carpeta;
        const QString nombre = carpeta.filePath("caso.txt");
        QFile viejo(nombre);
        QVERIFY(viejo.open(QIODevice::WriteOnly));
        viejo.write("contenido viejo");
        viejo.close();
        if (soloLectura)
            viejo.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        p->MObra = {obra.toStdString()};
        p->FileName = nombre.toStdString();
        p->Modificado = 1;
        guion.respuestas = {RespuestaAceptar, respuesta};
        f->GuardarClick();
        QCOMPARE(guion.Textos(),
                 QStringList({"¿Desea sobreescribir con datos modificados? ", mensaje}));
        QCOMPARE(guion.vistos[1].titulo,
                 soloLectura ? QString("Error") : QString("¡¡ Atención !!"));
        QFile escrito(nombre);
        QVERIFY(escrito.open(QIODevice::ReadOnly));
        const QByteArray bytes = escrito.readAll();
        const bool guardado = archivo.endsWith("\r\n");
        QVERIFY2(guardado ? bytes.contains("\r\n" + archivo) : bytes == archivo, bytes.constData());
        QCOMPARE(p->Modificado, guardado ? 0 : 1);
        QCOMPARE(f->windowTitle(), guardado ? "Cálculo mecánico de tubos [" + nombre + "]"
                                            : QString("Cálculo mecánico de tubos [ ]"));
        QCOMPARE(
            QDir(carpeta.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{"caso.txt"});
    }

    void ArchivoConErroresYCancelar()
    {
        QTemporaryDir carpeta;
        const QString nombre = carpeta.filePath("roto.txt");
        QFile archivo(nombre);
        QVERIFY(archivo.open(QIODevice::WriteOnly));
        archivo.write(
            QString(
                "Cálculo mecánico de tubos de hormigón armado según UNE 127.010.\r\n"
                "hr       Altura del relleno sobre el plano de clave, en metros.______________\r\n"
                "   7\r\n"
                "esto no es una clave\r\n")
                .toLatin1());
        archivo.close();
        TuboNormal();
        p->Modificado = 0;
        guion.nombres = {nombre};
        guion.respuestas = {RespuestaCancelar};
        f->AbrirClick();
        QCOMPARE(guion.Textos(), QStringList{"Error en esto no es una clave"});
        QCOMPARE(guion.vistos[0].botones, BotonesAceptarCancelar | IconoError);
        QCOMPARE(p->hr, 2.0);  // el proyecto anterior sigue entero
        QCOMPARE(Caja("EditHr")->text(), QString("2"));
        QCOMPARE(f->windowTitle(), QString("Cálculo mecánico de tubos [ ]"));
        // Con Aceptar se lee lo demás.
        guion.nombres = {nombre};
        guion.respuestas = {RespuestaAceptar};
        f->AbrirClick();
        QCOMPARE(p->hr, 7.0);
        QCOMPARE(Caja("EditHr")->text(), QString("7"));
        // Un medio que falla al leer no cierra el programa ni toca el proyecto.
        guion.vistos.clear();
        guion.nombres = {"/proc/self/mem"};
        guion.respuestas = {RespuestaCancelar};
        f->AbrirClick();
        QCOMPARE(guion.Textos(), QStringList{"Error en lectura del archivo"});
        QCOMPARE(guion.vistos[0].botones, BotonCancelar | IconoError);
        QCOMPARE(p->hr, 7.0);
        QCOMPARE(f->windowTitle(), "Cálculo mecánico de tubos [" + nombre + "]");
    }

    void AbrirEmpiezaDeUnProyectoNuevo()
    {
        // Un archivo con talud y otro sin él: del segundo, el talud es el de un
        // proyecto nuevo y al guardarlo no aparece. El aviso apagado sigue apagado.
        QTemporaryDir carpeta;
        auto escribe = [&](const QString& nombre, const std::vector<int>& claves,
                           const std::vector<const char*>& valores) {
            std::string bytes = A1252(std::string(Claves[ClaveTitulo - 1])) + "\r\n";
            for (std::size_t i = 0; i < claves.size(); ++i)
                bytes += A1252(std::string(Claves[claves[i] - 1])) + "\r\n" + valores[i] + "\r\n";
            QFile archivo(carpeta.filePath(nombre));
            archivo.open(QIODevice::WriteOnly);
            archivo.write(bytes.data(), static_cast<qint64>(bytes.size()));
            return archivo.fileName();
        };
        const QString conTalud = escribe("talud.txt", {15, 44, 45, 46}, {"1", "1.5", "4", "0.3"});
        const QString sinTalud = escribe("otro.txt", {22}, {"3"});
        p->AvisoEspesor = 0;
        guion.nombres = {conTalud, sinTalud, carpeta.filePath("guardado.txt")};
        f->AbrirClick();
        QCOMPARE(p->TaludDefinido, 1);
        QCOMPARE(p->TaludH, 1.5);
        f->AbrirClick();
        QCOMPARE(p->TaludDefinido, 0);
        QCOMPARE(p->TaludH, 1.0);
        QCOMPARE(p->TaludV, 5.0);
        QCOMPARE(p->Resguardo, 0.0);
        QCOMPARE(p->Di, 0.0);
        QCOMPARE(p->hr, 3.0);
        QCOMPARE(p->AvisoEspesor, 0);
        QCOMPARE(Lista("EditDi")->currentText(), QString("0"));
        f->Guardarcomo1Click();
        QFile guardado(carpeta.filePath("guardado.txt"));
        QVERIFY(guardado.open(QIODevice::ReadOnly));
        QVERIFY(!guardado.readAll().contains("Componente horizontal del talud"));
        QVERIFY(guion.vistos.isEmpty());
    }

    void MensajesEnTextoSimple_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::newRow("negrita") << "Error en <b>x</b>";
        QTest::newRow("imagen") << "Error en <img src=\"/dev/zero\">";
        QTest::newRow("enlace") << "Error en <a href=\"file:///etc\">aquí</a>";
    }

    void MensajesEnTextoSimple()
    {
        // La caja real de Qt, no la del guion: el texto de un archivo se ve tal cual.
        QFETCH(QString, texto);
        FijaDialogos(nullptr);
        QString visto;
        Qt::TextFormat formato = Qt::AutoText;
        QTimer::singleShot(0, this, [&] {
            auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!caja)
                return;
            const auto* rotulo = caja->findChild<QLabel*>("qt_msgbox_label");
            visto = rotulo->text();
            formato = rotulo->textFormat();
            caja->buttons().constFirst()->click();
        });
        const int respuesta = Mensaje(texto, "Error", BotonesAceptarCancelar | IconoError);
        FijaDialogos(&guion);
        QCOMPARE(formato, Qt::PlainText);
        QCOMPARE(visto, texto);
        QCOMPARE(respuesta, RespuestaAceptar);
    }
};

QTEST_MAIN(PruebaArchivoVentana)
#include "form1_archivo_test.moc"
