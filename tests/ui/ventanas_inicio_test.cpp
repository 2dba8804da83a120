// Pruebas del arranque y de las ventanas pequeñas: presentación, "Acerca
// de...", datos de la obra y estado de las variables.

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>


#include "acercade.h"
#include "ayuda.h"
#include "banco_ventanas.h"
#include "datosobra.h"
#include "impresora.h"
#include "primera.h"
#include "variables.h"

namespace {

QStringList Texto(const std::vector<std::string>& lineas)
{
    QStringList texto;
    for (const std::string& linea : lineas)
        texto.append(QString::fromStdString(linea));
    return texto;
}

QAction* Opcion(QWidget* ventana, const QString& texto)
{
    for (QAction* opcion : ventana->findChildren<QAction*>())
        if (opcion->text() == texto)
            return opcion;
    return nullptr;
}

QStringList Rotulos(QWidget* ventana)
{
    QStringList textos;
    for (const QLabel* rotulo : ventana->findChildren<QLabel*>())
        textos.append(rotulo->text());
    return textos;
}

// Escribe como el usuario, tecla a tecla; un salto de línea es Intro.
void Teclea(QWidget* control, const QString& texto)
{
    for (const QChar letra : texto) {
        if (letra == '\n')
            QTest::keyClick(control, Qt::Key_Return);
        else
            QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(letra), Qt::NoModifier);
    }
}

QString Ejecuta(const QString& programa, const QStringList& argumentos)
{
    QProcess proceso;
    proceso.start(programa, argumentos);
    return proceso.waitForFinished(30000) ? QString::fromUtf8(proceso.readAllStandardOutput()) : QString();
}

}  // namespace

class PruebaVentanasInicio : public BancoVentanas {
    Q_OBJECT

    std::unique_ptr<TFVariables> v;
    QList<QUrl> abiertas;  // direcciones que el programa pide abrir al sistema

    std::unique_ptr<TDatosObra> DatosObra()
    {
        auto datos = std::make_unique<TDatosObra>(*p, v.get(), f.get());
        datos->show();
        return datos;
    }

public slots:
    void Abre(const QUrl& direccion) { abiertas.append(direccion); }

private slots:
    void init()
    {
        Prepara();
        v = std::make_unique<TFVariables>(*p);
        f->FVariables = v.get();
    }

    void cleanup()
    {
        const QString fallos = Termina();
        v.reset();
        QVERIFY2(fallos.isEmpty(), qPrintable(fallos));
    }

    void PresentacionUnaVez()
    {
        Proyecto otro;
        TForm1 ventana(otro);
        ventana.ConPresentacion = true;
        int vistas = 0;
        QStringList textos;
        bool avisosAntes = true;
        const auto continuar = [&](QWidget* modal) {
            ++vistas;
            QCOMPARE(modal->windowTitle(), QString("Cálculo mecánico de tubos"));
            textos = Rotulos(modal);
            avisosAntes = ventana.Activarmensajes1->isChecked();
            QCOMPARE(static_cast<TPrimera*>(modal)->BContinuar->text(), QString("&Continuar"));
            QTest::mouseClick(static_cast<TPrimera*>(modal)->BContinuar, Qt::LeftButton);
        };
        QCOMPARE(AbreCon([&] { ventana.show(); }, continuar), QString("TPrimera"));
        for (const char* texto :
             {"Versión : 2.02a", "Cálculo Mecánico Tubos Hormigón Armado", "UNE 127.010", "ASTM C-76M"})
            QVERIFY2(textos.contains(QString::fromUtf8(texto)), texto);
        // Primero la presentación, después la marca de avisos activos.
        QVERIFY(!avisosAntes);
        QVERIFY(ventana.Activarmensajes1->isChecked());
        QVERIFY(ventana.findChildren<TPrimera*>().isEmpty());  // liberada al cerrarse
        // Ni al volver a mostrar la ventana ni después sale otra vez.
        ventana.hide();
        AbreCon([&] { ventana.show(); }, continuar);
        QCOMPARE(vistas, 1);
    }

    void DatosDeObraDesdeElMenu()
    {
        QCOMPARE(AbreCon([&] { Opcion(f.get(), "Acerca de...")->trigger(); }), QString("TAcercaDe"));
        // Su menú: "Acerca de ...", "Ayuda" y "Salir", que la cierra sin preguntar.
        bool cerrada = false;
        const auto menu = [&](QWidget* datos) {
            QCOMPARE(AbreCon([&] { Opcion(datos, "Acerca de ...")->trigger(); }), QString("TAcercaDe"));
            Opcion(datos, "Ayuda")->trigger();
            QVERIFY(VentanaAyuda::Unica().isVisible());
            QCOMPARE(VentanaAyuda::Unica().Contexto(), 0);
            VentanaAyuda::Unica().close();
            QCOMPARE(ContextoAyuda(Opcion(datos, "&Salir")), 16);
            Opcion(datos, "&Salir")->trigger();
            cerrada = !datos->isVisible();
        };
        QCOMPARE(AbreCon([&] { Opcion(f.get(), "&Datos de la Obra")->trigger(); }, menu), QString("TDatosObra"));
        QVERIFY(cerrada);
        QVERIFY(guion.vistos.isEmpty());
        QCOMPARE(p->Modificado, 1);  // abrirla marca el proyecto modificado: salir pregunta
        guion.respuestas = {RespuestaCancelar};
        f->SalirClick();
        QCOMPARE(guion.Textos(), QStringList{"¿Seguro que desea salir sin guardar datos?"});
        QCOMPARE(guion.vistos[0].titulo, QString(TituloAtencion));
        QVERIFY(f->isVisible());
    }

    void AbrirMuestraLosTextosDelProyecto()
    {
        p->MObra = {"Colector de pluviales", "Tramo 3"};
        p->MSeccion = {"1", "2", "3", "4", "5", "6"};
        p->MCliente = {"Ayuntamiento de Ávila", "", "Servicio de aguas"};
        const auto datos = DatosObra();
        QCOMPARE(datos->windowTitle(), QString("Datos de la Obra"));
        QCOMPARE(datos->MObra->toPlainText(), QString("Colector de pluviales\nTramo 3"));
        QCOMPARE(datos->MSeccion->toPlainText(), QString("1\n2\n3\n4\n5\n6"));
        QCOMPARE(Texto(p->MSeccion), QStringList({"1", "2", "3", "4", "5"}));  // como si se hubiera tecleado
        QCOMPARE(datos->MCliente->toPlainText(), QString("Ayuntamiento de Ávila\n\nServicio de aguas"));
        QCOMPARE(Texto(p->MCliente), QStringList({"Ayuntamiento de Ávila", "", "Servicio de aguas"}));
        QCOMPARE(p->Modificado, 1);
    }

    void CopiaLineasAlProyecto()
    {
        // Pasan al registro 5 líneas de la obra y de la sección y 3 del cliente.
        const QStringList seis = {"uno", "dos", "tres", "cuatro", "cinco", "seis"};
        const std::tuple<QString, QStringList, QStringList> casos[] = {
            {"MObra", seis, seis.mid(0, 5)},
            {"MSeccion", seis, seis.mid(0, 5)},
            {"MCliente", seis.mid(0, 4), seis.mid(0, 3)},
            {"MCliente", {"a", "", "c"}, {"a", "", "c"}},
            {"MObra", {"a", ""}, {"a"}},  // un Intro final no abre línea
            {"MSeccion", {"Sección en «U» ñ"}, {"Sección en «U» ñ"}}};
        for (const auto& [memo, tecleado, copiado] : casos) {
            p->MObra = p->MSeccion = p->MCliente = {};
            const auto datos = DatosObra();
            p->Modificado = 0;
            auto* editor = datos->findChild<QPlainTextEdit*>(memo);
            Teclea(editor, tecleado.join('\n'));
            QCOMPARE(editor->toPlainText(), tecleado.join('\n'));  // la ventana conserva todo
            QCOMPARE(Texto(p->MObra), memo == "MObra" ? copiado : QStringList());
            QCOMPARE(Texto(p->MSeccion), memo == "MSeccion" ? copiado : QStringList());
            QCOMPARE(Texto(p->MCliente), memo == "MCliente" ? copiado : QStringList());
            QCOMPARE(p->Modificado, 1);
        }
    }

    void TopeDeCaracteres()
    {
        // Texto previo, posición (-1: al final), lo añadido (pegado o tecleado) y lo que queda.
        const QString a398(398, 'a');
        const std::tuple<QString, int, QString, bool, QString> casos[] = {
            {a398, -1, "bcd", false, a398 + "bc"},  // el 401 no entra
            {a398, 10, "1234", true, a398.left(10) + "12" + a398.mid(10)},
            {a398, -1, "\n\n\n", true, a398 + "\n\n"},  // los saltos de línea cuentan
            // Un texto más largo leído de un archivo se muestra entero; solo no crece.
            {QString(450, 'z'), -1, "q", false, QString(450, 'z')}};
        for (const auto& [previo, posicion, nuevo, pegado, queda] : casos) {
            p->MObra = {previo.toStdString()};
            const auto datos = DatosObra();
            QTextCursor cursor = datos->MObra->textCursor();
            cursor.setPosition(posicion < 0 ? previo.size() : posicion);
            datos->MObra->setTextCursor(cursor);
            if (pegado)
                datos->MObra->insertPlainText(nuevo);
            else
                Teclea(datos->MObra, nuevo);
            QCOMPARE(datos->MObra->toPlainText(), queda);
            QCOMPARE(QString::fromStdString(p->MObra.at(0)), queda.section('\n', 0, 0));
        }
    }

    void AcercaDe()
    {
        TAcercaDe acerca(v.get(), f.get());
        acerca.show();
        QCOMPARE(acerca.windowTitle(), QString("Acerca de..."));
        QCOMPARE(acerca.LVersion->text(), QString("Versión : 2.02a"));
        QVERIFY(Rotulos(&acerca).contains("Desarrollado por:"));
        QCOMPARE(acerca.BAceptar->text(), QString("&Aceptar"));
        QVERIFY(acerca.BAceptar->isDefault());
        // La dirección del rótulo se pide al sistema.
        QDesktopServices::setUrlHandler("https", this, "Abre");
        emit acerca.LWeb->linkActivated("https://calculo-tubos.example.org");
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(abiertas, QList<QUrl>{QUrl("https://calculo-tubos.example.org")});
        // Doble pulsación sobre la versión: las variables, modales, sobre el cuadro.
        QCOMPARE(AbreCon([&] { QTest::mouseDClick(acerca.LVersion, Qt::LeftButton); }), QString("TFVariables"));
        QVERIFY(acerca.isVisible());
        QTest::mouseClick(acerca.BAceptar, Qt::LeftButton);
        QCOMPARE(acerca.result(), int(QDialog::Accepted));
    }

    void Variables()
    {
        const char* const descripciones[] = {
            "b - Anchura de la zanja en el plano clave,en m.",
            "b2 - Anchura de la zanja inducida, en zanja inducida en terraplen",
            "C - Clase resistente",
            "c1 - Es la razón de asentamiento y depende de la base sobre la que se instala el tubo",
            "Ci - coef. de impacto que se aplica en los casos de eje simple de 70KN y de 130KN",
            "Ct - Coef. Marston en terraplen",
            "Cz - Coef. Marston en zanja",
            "Czt - Coef. Marston en zanja terraplenada",
            "De - Diámetro exterior tubo en m.",
            "dh - Distancia horizontal de la tuberia hasta la primera via de tren",
            "Di - Diámetro interior tubo en m.",
            "Fa - Factor de Apoyo",
            "fck - Resistencia característica a compresión del hormigon, en MPa(N/mm2)",
            "fi - Angulo de rozamiento interno del relleno(en sexagesimal)",
            "fp - Cargas o fuerzas puntuales",
            "ho - Altura del plano de igual asentamiento sobre el plano de clave(m.)",
            "h2r - Altura de la base de un terraplen sobre el plano de clave(m.)",
            "hr - Altura del relleno sobre el plano de clave (m.)",
            "hr1 - Altura del plano de clave sobre la base de un terraplén(m.)",
            "hr2 - Altura de la zanja inducida, en zanja inducida en terraplén",
            "lambda - Coeficiente de Rankine",
            "lambdaFa - Lambda utilizada en el cálculo de fa en Terraplen y zanja ind.",
            "pq - Carga lineal por metro de rodillo del compactador",
            "qm - Carga sobre un metro de longitud de la conducción producidapor la sobrecarga "
            "móvil(Kilonewtons/m. lineal)",
            "qr - Carga producida por el terreno (Kilonewtons/m. lineal)",
            "qTotal - Suma de cargas actuantes sobre el tubo (Kilonewtons/m. lineal)",
            "r - Carga tráfico",
        };
        double* const campos[] = {&p->b,  &p->b2,  &p->C,   &p->c1,  &p->Ci,      &p->Ct,       &p->Cz,
                                  &p->Czt, &p->De, &p->dh,  &p->Di,  &p->Fa,      &p->fck,      &p->fi,
                                  &p->fp, &p->ho,  &p->h2r, &p->hr,  &p->hr1,     &p->hr2,      &p->lambda,
                                  &p->lambdaFa, &p->pq, &p->qm, &p->qr, &p->qTotal, &p->r};
        v->show();
        QCOMPARE(v->windowTitle(), QString("Estado de las Variables"));
        QCOMPARE(v->grid->rowCount(), 27);
        for (int vez = 0; vez < 2; ++vez) {
            // La tabla y el memo que se imprime (cada celda en su línea), con la cabecera.
            QStringList esperado = {"Variable", "Valor"};
            QStringList tabla = {v->grid->horizontalHeaderItem(0)->text(), v->grid->horizontalHeaderItem(1)->text()};
            for (int fila = 0; fila < 27; ++fila) {
                esperado << QString::fromUtf8(descripciones[fila])
                         << (vez ? QString::number(fila) + ".5" : fila == 21 ? "0.33" : "0");
                tabla << v->grid->item(fila, 0)->text() << v->grid->item(fila, 1)->text();
            }
            QCOMPARE(tabla, esperado);
            QCOMPARE(v->Memo->toPlainText().split('\n').mid(0, 56), esperado);
            // Con el registro cambiado, la ventana lo muestra al volver a abrirse.
            for (int fila = 0; fila < 27; ++fila)
                *campos[fila] = fila + 0.5;
            v->hide();
            v->show();
        }
        v->hide();
    }

    void VariablesAlActivarse()
    {
        v->show();
        // Al activarse se rehace con 15 cifras (y exponente si hace falta).
        for (const auto& [valor, texto] : {std::pair{2.0 / 3, "0.666666666666667"}, {1e20, "1E20"}}) {
            QVERIFY(QTest::qWaitForWindowActive(v.get()));
            p->qTotal = valor;
            f->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(f.get()));
            QCOMPARE(v->grid->item(25, 1)->text(), valor == 1e20 ? "0.666666666666667" : "0");  // aún no
            v->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(v.get()));
            QCOMPARE(v->grid->item(25, 1)->text(), QString(texto));
        }
        v->hide();
    }

    void ImprimirVariables()
    {
        QTemporaryDir carpeta;
        v->show();
        for (bool acepta : {false, true}) {
            const QString archivo = carpeta.filePath(acepta ? "si.pdf" : "no.pdf");
            guion.imprimir = [&](QPrinter& impresora) {
                impresora.setOutputFormat(QPrinter::PdfFormat);
                impresora.setOutputFileName(archivo);
                return acepta;
            };
            ImpresoraPrograma().setDocName(QString());
            QTest::mouseClick(v->Button1, Qt::LeftButton);
            QCOMPARE(QFileInfo::exists(archivo), acepta);
            QCOMPARE(ImpresoraPrograma().docName(), acepta ? QString("Hola") : QString());
        }
        QCOMPARE(guion.impresiones, 2);
        const QString pdf = carpeta.filePath("si.pdf");
        QVERIFY(Ejecuta("pdfinfo", {pdf}).contains(QRegularExpression("Pages: +1\\n")));
        const QString texto = Ejecuta("pdftotext", {pdf, "-"});
        for (const char* linea : {"Variable", "b - Anchura de la zanja en el plano clave,en m.", "\nr - Carga tr"})  // "fi" sale ligada
            QVERIFY2(texto.contains(QString::fromUtf8(linea)), linea);
        ImpresoraPrograma().setOutputFormat(QPrinter::NativeFormat);
        v->hide();
    }
};

QTEST_MAIN(PruebaVentanasInicio)
#include "ventanas_inicio_test.moc"
