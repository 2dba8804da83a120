// Pruebas del arranque y de las ventanas pequeñas: presentación, "Acerca
// de...", datos de la obra y estado de las variables.

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>

#include "acercade.h"
#include "ayuda.h"
#include "datosobra.h"
#include "dialogos_guion.h"
#include "form1.h"
#include "impresora.h"
#include "primera.h"
#include "proyecto.h"
#include "variables.h"

namespace {

using Lineas = std::vector<std::string>;

QAction* Opcion(QWidget* ventana, const QString& texto)
{
    for (QAction* opcion : ventana->findChildren<QAction*>())
        if (opcion->text() == texto)
            return opcion;
    return nullptr;
}

QPushButton* Boton(QWidget* ventana, const QString& texto)
{
    for (QPushButton* boton : ventana->findChildren<QPushButton*>())
        if (boton->text() == texto)
            return boton;
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

// Diálogos que aceptan la impresora y la mandan a un PDF.
class DialogosPdf : public DialogosGuion {
public:
    QString archivo;
    bool acepta = true;
    bool DialogoImprimir(QPrinter& impresora) override
    {
        ++impresiones;
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(archivo);
        return acepta;
    }
};

}  // namespace

// Recoge las direcciones que el programa pide abrir al sistema.
class Navegador : public QObject {
    Q_OBJECT
public:
    QList<QUrl> abiertas;
public slots:
    void Abre(const QUrl& direccion) { abiertas.append(direccion); }
};

class PruebaVentanasInicio : public QObject {
    Q_OBJECT

    std::unique_ptr<Proyecto> p;
    std::unique_ptr<TForm1> f;
    std::unique_ptr<TFVariables> v;
    DialogosGuion guion;
    QTimer vigia;
    QStringList modalesCerrados;

    // Ejecuta una orden que abre una ventana modal; dentro de ella corre
    // `mientras` y después la cierra. Devuelve el título de la ventana abierta.
    QString ConModal(const std::function<void()>& orden, const std::function<void(QWidget*)>& mientras = {})
    {
        QString titulo;
        // Un temporizador propio: si no se abre ninguna ventana, muere aquí
        // sin dispararse en otra prueba.
        QTimer temporizador;
        temporizador.setSingleShot(true);
        connect(&temporizador, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            titulo = modal->windowTitle();
            if (mientras)
                mientras(modal);
            if (modal->isVisible())
                modal->close();
        });
        temporizador.start(0);
        orden();
        return titulo;
    }

    std::unique_ptr<TDatosObra> DatosObra()
    {
        auto datos = std::make_unique<TDatosObra>(*p, v.get(), f.get());
        datos->show();
        return datos;
    }

private slots:
    void init()
    {
        FijaDialogos(&guion);
        guion = DialogosGuion();
        modalesCerrados.clear();
        p = std::make_unique<Proyecto>();
        f = std::make_unique<TForm1>(*p);
        v = std::make_unique<TFVariables>(*p);
        f->FVariables = v.get();
        f->show();
        // Una ventana modal que nadie cierra haría esperar a la prueba para siempre.
        connect(&vigia, &QTimer::timeout, this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modalesCerrados.append(modal->objectName() + " " + modal->windowTitle());
                modal->close();
            }
        });
        vigia.start(200);
    }

    void cleanup()
    {
        vigia.stop();
        vigia.disconnect();
        QVERIFY2(guion.imprevistos.isEmpty(), qPrintable(guion.imprevistos.join(" | ")));
        QVERIFY2(modalesCerrados.isEmpty(), qPrintable(modalesCerrados.join(" | ")));
        p->Modificado = 0;  // cerrar sin preguntar
        f.reset();
        v.reset();
        FijaDialogos(nullptr);
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
            textos = Rotulos(modal);
            avisosAntes = ventana.Activarmensajes1->isChecked();
            QPushButton* boton = Boton(modal, "&Continuar");
            QVERIFY(boton);
            QTest::mouseClick(boton, Qt::LeftButton);
        };
        QCOMPARE(ConModal([&] { ventana.show(); }, continuar), QString("Cálculo mecánico de tubos"));
        QCOMPARE(vistas, 1);
        for (const char* texto :
             {"Versión : 2.02a", "Cálculo Mecánico Tubos Hormigón Armado", "UNE 127.010", "ASTM C-76M"})
            QVERIFY2(textos.contains(QString::fromUtf8(texto)), texto);
        // Primero la presentación, después la marca de avisos activos.
        QVERIFY(!avisosAntes);
        QVERIFY(ventana.Activarmensajes1->isChecked());
        QVERIFY(ventana.findChildren<TPrimera*>().isEmpty());  // liberada al cerrarse

        // Ni al volver a mostrar la ventana ni después sale otra vez.
        ventana.hide();
        ConModal([&] { ventana.show(); }, continuar);
        QCOMPARE(vistas, 1);
    }

    void MenusAbrenSusVentanas_data()
    {
        QTest::addColumn<QString>("opcion");
        QTest::addColumn<QString>("titulo");
        QTest::newRow("datos de la obra") << "&Datos de la Obra" << "Datos de la Obra";
        QTest::newRow("acerca de") << "Acerca de..." << "Acerca de...";
    }

    void MenusAbrenSusVentanas()
    {
        QFETCH(QString, opcion);
        QFETCH(QString, titulo);
        QAction* accion = Opcion(f.get(), opcion);
        QVERIFY(accion && accion->isEnabled());
        QCOMPARE(ConModal([&] { accion->trigger(); }), titulo);
        QVERIFY(QApplication::topLevelWidgets().contains(f.get()));
    }

    void AbrirYCerrarDatosDeObraMarcaModificado()
    {
        QCOMPARE(p->Modificado, 0);
        QString salirCerro;
        ConModal([&] { Opcion(f.get(), "&Datos de la Obra")->trigger(); },
                 [&](QWidget* modal) {
                     Opcion(modal, "&Salir")->trigger();
                     salirCerro = modal->isVisible() ? "abierta" : "cerrada";
                 });
        QCOMPARE(salirCerro, QString("cerrada"));
        QVERIFY(guion.vistos.isEmpty());  // cerrar no pregunta nada
        QCOMPARE(p->Modificado, 1);

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
        QCOMPARE(p->MSeccion, (Lineas{"1", "2", "3", "4", "5"}));  // como si se hubiera tecleado
        QCOMPARE(datos->MCliente->toPlainText(), QString("Ayuntamiento de Ávila\n\nServicio de aguas"));
        QCOMPARE(p->MCliente, (Lineas{"Ayuntamiento de Ávila", "", "Servicio de aguas"}));
        QCOMPARE(p->Modificado, 1);
    }

    void CopiaLineasAlProyecto_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QStringList>("tecleado");
        QTest::addColumn<QStringList>("copiado");
        const QStringList seis = {"uno", "dos", "tres", "cuatro", "cinco", "seis"};
        QTest::newRow("obra: cinco líneas") << "MObra" << seis.mid(0, 5) << seis.mid(0, 5);
        QTest::newRow("obra: la sexta no pasa") << "MObra" << seis << seis.mid(0, 5);
        QTest::newRow("sección: la sexta no pasa") << "MSeccion" << seis << seis.mid(0, 5);
        QTest::newRow("cliente: tres líneas") << "MCliente" << seis.mid(0, 3) << seis.mid(0, 3);
        QTest::newRow("cliente: la cuarta no pasa") << "MCliente" << seis.mid(0, 4) << seis.mid(0, 3);
        QTest::newRow("línea vacía en medio") << "MCliente" << QStringList{"a", "", "c"} << QStringList{"a", "", "c"};
        QTest::newRow("intro final no abre línea") << "MObra" << QStringList{"a", ""} << QStringList{"a"};
        QTest::newRow("acentos") << "MSeccion" << QStringList{"Sección en «U» ñ"} << QStringList{"Sección en «U» ñ"};
    }

    void CopiaLineasAlProyecto()
    {
        QFETCH(QString, memo);
        QFETCH(QStringList, tecleado);
        QFETCH(QStringList, copiado);
        const std::map<QString, Lineas*> campos = {
            {"MObra", &p->MObra}, {"MSeccion", &p->MSeccion}, {"MCliente", &p->MCliente}};
        const auto datos = DatosObra();
        p->Modificado = 0;
        auto* editor = datos->findChild<QPlainTextEdit*>(memo);
        QVERIFY(editor);
        Teclea(editor, tecleado.join('\n'));
        QCOMPARE(editor->toPlainText(), tecleado.join('\n'));  // la ventana conserva todo
        Lineas esperadas;
        for (const QString& linea : copiado)
            esperadas.push_back(linea.toStdString());
        QCOMPARE(*campos.at(memo), esperadas);
        QCOMPARE(p->Modificado, 1);
        // Los otros dos textos no cambian.
        for (const auto& [nombre, lineas] : campos)
            if (nombre != memo)
                QVERIFY(lineas->empty());
    }

    void TopeDeCaracteres_data()
    {
        QTest::addColumn<QString>("previo");
        QTest::addColumn<int>("posicion");  // -1: al final
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<bool>("pegado");
        QTest::addColumn<QString>("queda");
        const QString a398(398, 'a');
        QTest::newRow("hasta 400 se escribe") << a398 << -1 << "bc" << false << a398 + "bc";
        QTest::newRow("el 401 no entra") << a398 << -1 << "bcd" << false << a398 + "bc";
        QTest::newRow("pegar de más se corta") << QString() << -1 << QString(450, 'x') << true << QString(400, 'x');
        QTest::newRow("pegar en medio") << a398 << 10 << "1234" << true << a398.left(10) + "12" + a398.mid(10);
        QTest::newRow("los saltos de línea cuentan") << a398 << -1 << "\n\n\n" << true << a398 + "\n\n";
        // Un texto más largo leído de un archivo se muestra entero; solo no crece.
        QTest::newRow("texto largo del archivo") << QString(450, 'z') << -1 << "q" << false << QString(450, 'z');
    }

    void TopeDeCaracteres()
    {
        QFETCH(QString, previo);
        QFETCH(int, posicion);
        QFETCH(QString, tecleado);
        QFETCH(bool, pegado);
        QFETCH(QString, queda);
        if (!previo.isEmpty())
            p->MObra = {previo.toStdString()};
        const auto datos = DatosObra();
        QTextCursor cursor = datos->MObra->textCursor();
        if (posicion < 0)
            cursor.movePosition(QTextCursor::End);
        else
            cursor.setPosition(posicion);
        datos->MObra->setTextCursor(cursor);
        if (pegado)
            datos->MObra->insertPlainText(tecleado);
        else
            Teclea(datos->MObra, tecleado);
        QCOMPARE(datos->MObra->toPlainText(), queda);
        QCOMPARE(QString::fromStdString(p->MObra.at(0)), queda.section('\n', 0, 0));
    }

    void VentanasDelMenuDeDatosDeObra()
    {
        const auto datos = DatosObra();
        QCOMPARE(ContextoAyuda(Opcion(datos.get(), "&Salir")), 16);
        QCOMPARE(ConModal([&] { Opcion(datos.get(), "Acerca de ...")->trigger(); }), QString("Acerca de..."));
        Opcion(datos.get(), "Ayuda")->trigger();
        QVERIFY(VentanaAyuda::Unica().isVisible());
        QCOMPARE(VentanaAyuda::Unica().Contexto(), 0);
        VentanaAyuda::Unica().close();
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
        QCOMPARE(acerca.focusWidget(), acerca.BAceptar);

        // La dirección del rótulo se pide al sistema.
        Navegador navegador;
        QDesktopServices::setUrlHandler("https", &navegador, "Abre");
        emit acerca.LWeb->linkActivated("https://calculo-tubos.example.org");
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(navegador.abiertas, QList<QUrl>{QUrl("https://calculo-tubos.example.org")});

        // Doble pulsación sobre la versión: las variables, modales, sobre el cuadro.
        bool variablesModal = false;
        ConModal([&] { QTest::mouseDClick(acerca.LVersion, Qt::LeftButton); },
                 [&](QWidget* modal) { variablesModal = modal == v.get(); });
        QVERIFY(variablesModal);
        QVERIFY(acerca.isVisible());

        QTest::mouseClick(acerca.BAceptar, Qt::LeftButton);
        QVERIFY(!acerca.isVisible());
        QCOMPARE(acerca.result(), int(QDialog::Accepted));
    }

    void Variables_data()
    {
        QTest::addColumn<int>("fila");
        QTest::addColumn<QString>("descripcion");
        QTest::addColumn<QString>("inicial");
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
        for (int fila = 0; fila < 27; ++fila) {
            const QString descripcion = QString::fromUtf8(descripciones[fila]);
            QTest::newRow(qPrintable(descripcion.section(' ', 0, 0)))
                << fila << descripcion << (fila == 21 ? "0.33" : "0");
        }
    }

    void Variables()
    {
        QFETCH(int, fila);
        QFETCH(QString, descripcion);
        QFETCH(QString, inicial);
        double* const campos[] = {&p->b,  &p->b2,  &p->C,   &p->c1,     &p->Ci, &p->Ct, &p->Cz,
                                  &p->Czt, &p->De,  &p->dh,  &p->Di,     &p->Fa, &p->fck, &p->fi,
                                  &p->fp, &p->ho,  &p->h2r, &p->hr,     &p->hr1, &p->hr2, &p->lambda,
                                  &p->lambdaFa, &p->pq, &p->qm, &p->qr, &p->qTotal, &p->r};
        v->show();
        QCOMPARE(v->windowTitle(), QString("Estado de las Variables"));
        QCOMPARE(v->grid->rowCount(), 27);
        QCOMPARE(v->grid->horizontalHeaderItem(0)->text(), QString("Variable"));
        QCOMPARE(v->grid->horizontalHeaderItem(1)->text(), QString("Valor"));
        QCOMPARE(v->grid->item(fila, 0)->text(), descripcion);
        QCOMPARE(v->grid->item(fila, 1)->text(), inicial);
        // El memo que se imprime lleva cada celda en su línea, cabecera incluida.
        const QStringList lineas = v->Memo->toPlainText().split('\n');
        QCOMPARE(lineas.mid(0, 2), (QStringList{"Variable", "Valor"}));
        QCOMPARE(lineas.mid(2 + 2 * fila, 2), (QStringList{descripcion, inicial}));

        // Con el registro cambiado, la ventana lo muestra al volver a abrirse.
        *campos[fila] = fila + 0.5;
        v->hide();
        v->show();
        const QString nuevo = QString::number(fila) + ".5";
        QCOMPARE(v->grid->item(fila, 1)->text(), nuevo);
        QCOMPARE(v->Memo->toPlainText().split('\n').at(3 + 2 * fila), nuevo);
        v->hide();
    }

    void VariablesAlActivarse_data()
    {
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("texto");
        QTest::newRow("15 cifras") << 2.0 / 3 << "0.666666666666667";
        QTest::newRow("resultado de cálculo") << 123.456789012345678 << "123.456789012346";
        QTest::newRow("exponente") << 1e20 << "1E20";
        QTest::newRow("negativo") << -0.25 << "-0.25";
    }

    void VariablesAlActivarse()
    {
        QFETCH(double, valor);
        QFETCH(QString, texto);
        v->show();
        QVERIFY(QTest::qWaitForWindowActive(v.get()));
        p->qTotal = valor;  // fila 26 de la lista
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        QCOMPARE(v->grid->item(25, 1)->text(), QString("0"));
        v->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(v.get()));
        QCOMPARE(v->grid->item(25, 1)->text(), texto);
        v->hide();
    }

    void ImprimirVariables_data()
    {
        QTest::addColumn<bool>("acepta");
        QTest::newRow("impresora aceptada") << true;
        QTest::newRow("impresora cancelada") << false;
    }

    void ImprimirVariables()
    {
        QFETCH(bool, acepta);
        QTemporaryDir carpeta;
        DialogosPdf pdf;
        pdf.archivo = carpeta.filePath("variables.pdf");
        pdf.acepta = acepta;
        FijaDialogos(&pdf);
        ImpresoraPrograma().setDocName(QString());
        v->show();
        QTest::mouseClick(v->Button1, Qt::LeftButton);
        FijaDialogos(&guion);
        QCOMPARE(pdf.impresiones, 1);
        QCOMPARE(QFileInfo(pdf.archivo).size() > 0, acepta);
        QCOMPARE(ImpresoraPrograma().docName(), acepta ? QString("Hola") : QString());
        ImpresoraPrograma().setOutputFormat(QPrinter::NativeFormat);
        v->hide();
    }
};

QTEST_MAIN(PruebaVentanasInicio)
#include "ventanas_inicio_test.moc"
