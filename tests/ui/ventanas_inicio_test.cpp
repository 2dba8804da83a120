// Arranque y ventanas pequeñas: presentación, "Acerca de...", datos de la obra y variables.

#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>

#include <tuple>
#include <QTableWidget>
#include <QTemporaryDir>

#include "acercade.h"
#include "arranque.h"
#include "ayuda.h"
#include "banco_ventanas.h"
#include "datosobra.h"
#include "impresora.h"
#include "letras.h"
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

QStringList Rotulos(QWidget* ventana)
{
    QStringList textos;
    for (const QLabel* rotulo : ventana->findChildren<QLabel*>())
        textos.append(rotulo->text());
    return textos;
}

void Teclea(QWidget* control, const QString& texto)
{
    for (const QChar letra : texto)
        if (letra == '\n')
            QTest::keyClick(control, Qt::Key_Return);
        else
            QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(letra),
                                Qt::NoModifier);
}

// Lo que no se lee entero de los controles visibles de la ventana: rótulos
// más estrechos que su texto y listas cerradas que no muestran su elección entera.
QStringList Cortados(QWidget* ventana)
{
    QStringList cortados;
    for (QLabel* rotulo : ventana->findChildren<QLabel*>())
        if (rotulo->isVisible() && !rotulo->wordWrap() &&
            rotulo->width() < rotulo->minimumSizeHint().width())
            cortados.append(rotulo->text());
    for (QComboBox* lista : ventana->findChildren<QComboBox*>()) {
        if (!lista->isVisible() || lista->isEditable())
            continue;
        QStyleOptionComboBox opcion;
        opcion.initFrom(lista);
        const QRect campo = lista->style()->subControlRect(QStyle::CC_ComboBox, &opcion,
                                                           QStyle::SC_ComboBoxEditField, lista);
        if (campo.width() < lista->fontMetrics().horizontalAdvance(lista->currentText()))
            cortados.append(lista->currentText());
    }
    return cortados;
}

}  // namespace

class PruebaVentanasInicio : public BancoVentanas {
    Q_OBJECT

    std::unique_ptr<TFVariables> v;

private slots:
    // La letra del programa: con ella se miden los tamaños de las ventanas.
    void initTestCase() { QApplication::setFont(QFont("Liberation Sans", 9)); }

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
        const auto continuar = [&](QWidget* modal) {
            ++vistas;
            QVERIFY(ventana.windowHandle() && ventana.windowHandle()->isVisible());  // ya detrás
            QCOMPARE(modal->windowTitle(), QString("Cálculo mecánico de tubos"));
            for (const char* texto : {"Versión : 2.02a", "Cálculo Mecánico Tubos Hormigón Armado",
                                      "UNE 127.010", "ASTM C-76M"})
                QVERIFY2(Rotulos(modal).contains(QString::fromUtf8(texto)), texto);
            QCOMPARE(static_cast<TPrimera*>(modal)->BContinuar->text(), QString("&Continuar"));
            QTest::mouseClick(static_cast<TPrimera*>(modal)->BContinuar, Qt::LeftButton);
        };
        const auto muestra = [&] {
            ventana.show();
            QCoreApplication::sendPostedEvents(&ventana, QEvent::MetaCall);
        };
        QCOMPARE(AbreCon(muestra, continuar), QString("TPrimera"));
        ventana.hide();
        AbreCon(muestra, continuar);  // ni al volver a mostrarse
        QCOMPARE(vistas, 1);
    }

    void AcercaDeYDatosDeObra()
    {
        const auto acerca = [&](QWidget* ventana) {
            auto* acerca = static_cast<TAcercaDe*>(ventana);
            QCOMPARE(acerca->windowTitle(), QString("Acerca de..."));
            QCOMPARE(acerca->LVersion->text(), QString("Versión : 2.02a"));
            QVERIFY(Rotulos(acerca).contains("Desarrollado por:"));
            QCOMPARE(acerca->BAceptar->text(), QString("&Aceptar"));
            // Doble pulsación sobre la versión: las variables, modales, sobre el cuadro.
            QCOMPARE(AbreCon([&] { QTest::mouseDClick(acerca->LVersion, Qt::LeftButton); }),
                     QString("TFVariables"));
            QTest::mouseClick(acerca->BAceptar, Qt::LeftButton);
            QCOMPARE(acerca->result(), int(QDialog::Accepted));
        };
        QCOMPARE(AbreCon([&] { Opcion(f.get(), "Acerca de...")->trigger(); }, acerca),
                 QString("TAcercaDe"));
        p->MObra = {"Colector de pluviales", "Tramo 3"};
        p->MSeccion = {"1", "2", "3", "4", "5", "6"};
        p->MCliente = {"Ayuntamiento de Ávila", "", "Servicio de aguas"};
        // Su menú: "Acerca de ..." y "Salir", que la cierra sin preguntar.
        bool cerrada = false;
        const auto menu = [&](QWidget* ventana) {
            auto* datos = static_cast<TDatosObra*>(ventana);
            QCOMPARE(datos->windowTitle(), QString("Datos de la Obra"));
            QCOMPARE(datos->MObra->toPlainText(), QString("Colector de pluviales\nTramo 3"));
            QCOMPARE(datos->MSeccion->toPlainText(), QString("1\n2\n3\n4\n5\n6"));
            QCOMPARE(datos->MCliente->toPlainText(),
                     QString("Ayuntamiento de Ávila\n\nServicio de aguas"));
            QCOMPARE(AbreCon([&] { Opcion(datos, "Acerca de ...")->trigger(); }),
                     QString("TAcercaDe"));
            Opcion(datos, "&Salir")->trigger();
            cerrada = !datos->isVisible();
        };
        QCOMPARE(AbreCon([&] { Opcion(f.get(), "&Datos de la Obra")->trigger(); }, menu),
                 QString("TDatosObra"));
        QVERIFY(cerrada && guion.vistos.isEmpty());
        QCOMPARE(Texto(p->MSeccion), QStringList({"1", "2", "3", "4", "5"}));  // como tecleado
        QCOMPARE(p->Modificado, 1);  // abrirla marca el proyecto modificado: salir pregunta
    }

    // Pasan al registro 5 líneas de la obra y de la sección y 3 del cliente; cada memo admite
    // 400 caracteres tecleados o pegados, pero no recorta un texto más largo leído de archivo.
    void DatosDeObraAlRegistro()
    {
        const QString seis = "uno\ndos\ntres\ncuatro\ncinco\nseis", a(398, 'a'), z(450, 'z');
        // Memo, texto previo, posición (-1: al final), lo añadido, si se pega, lo que muestra y
        // lo que pasa al registro.
        const std::tuple<const char*, QString, int, QString, bool, QString, QString> casos[] = {
            {"MObra", "", -1, seis, false, seis, "uno\ndos\ntres\ncuatro\ncinco"},
            {"MCliente", "", -1, "uno\ndos\ntres\ncuatro", false, "uno\ndos\ntres\ncuatro",
             "uno\ndos\ntres"},
            {"MCliente", "", -1, "a\n\nc", false, "a\n\nc", "a\n\nc"},
            {"MObra", "", -1, "a\n", false, "a\n", "a"},  // un Intro final no abre línea
            {"MSeccion", "", -1, "Sección en «U» ñ", false, "Sección en «U» ñ", "Sección en «U» ñ"},
            {"MObra", a, -1, "bcd", false, a + "bc", a + "bc"},
            {"MObra", a, 10, "1234", true, a.left(10) + "12" + a.mid(10),
             a.left(10) + "12" + a.mid(10)},
            {"MObra", a, -1, "\n\n\n", true, a + "\n\n", a + "\n"},  // los saltos cuentan
            {"MObra", z, -1, "q", false, z, z}};
        for (const auto& [memo, previo, posicion, nuevo, pegado, muestra, copiado] : casos) {
            p->MObra.assign(previo.isEmpty() ? 0 : 1, previo.toStdString());
            p->MSeccion = p->MCliente = {};
            TDatosObra datos(*p, v.get(), f.get());
            datos.show();
            p->Modificado = 0;
            auto* editor = datos.findChild<QPlainTextEdit*>(memo);
            QTextCursor cursor = editor->textCursor();
            cursor.setPosition(posicion < 0 ? int(previo.size()) : posicion);
            editor->setTextCursor(cursor);
            pegado ? editor->insertPlainText(nuevo) : Teclea(editor, nuevo);
            QCOMPARE(editor->toPlainText(), muestra);
            for (const auto& [nombre, lineas] : {std::pair{"MObra", &p->MObra},
                                                 {"MSeccion", &p->MSeccion},
                                                 {"MCliente", &p->MCliente}})
                QCOMPARE(Texto(*lineas),
                         nombre == QString(memo) ? copiado.split('\n') : QStringList());
            QCOMPARE(p->Modificado, 1);
        }
    }

    // La tabla y el memo que se imprime (cada celda en su línea), con la cabecera; al volver a
    // abrirse muestra el registro con 15 cifras (y exponente si hace falta).
    void VariablesEImpresion()
    {
        double* const campos[] = {
            &p->b,   &p->b2,  &p->C,      &p->c1,       &p->Ci, &p->Ct, &p->Cz, &p->Czt,    &p->De,
            &p->dh,  &p->Di,  &p->Fa,     &p->fck,      &p->fi, &p->fp, &p->ho, &p->h2r,    &p->hr,
            &p->hr1, &p->hr2, &p->lambda, &p->lambdaFa, &p->pq, &p->qm, &p->qr, &p->qTotal, &p->r};
        // Fila, descripción, valor antes y después (fila + 0.5; 2/3 y 1e20 en qr y qTotal).
        const std::tuple<int, const char*, const char*, const char*> filas[] = {
            {0, "b - Anchura de la zanja en el plano clave,en m.", "0", "0.5"},
            {13, "fi - Angulo de rozamiento interno del relleno(en sexagesimal)", "0", "13.5"},
            {21, "lambdaFa - Lambda utilizada en el cálculo de fa en Terraplen y zanja ind.",
             "0.33", "21.5"},
            {23,
             "qm - Carga sobre un metro de longitud de la conducción producidapor la sobrecarga "
             "móvil(Kilonewtons/m. lineal)",
             "0", "23.5"},
            {24, "qr - Carga producida por el terreno (Kilonewtons/m. lineal)", "0",
             "0.666666666666667"},
            {25, "qTotal - Suma de cargas actuantes sobre el tubo (Kilonewtons/m. lineal)", "0",
             "1E20"},
            {26, "r - Carga tráfico", "0", "26.5"}};
        v->show();
        QCOMPARE(v->windowTitle(), QString("Estado de las Variables"));
        QCOMPARE(v->grid->rowCount(), 27);
        // Las dos columnas caben en la ventana y cada descripción se lee entera.
        const QFontMetrics medida = v->grid->fontMetrics();
        QVERIFY(v->grid->columnViewportPosition(1) + medida.horizontalAdvance("1E20") <
                v->grid->viewport()->width());
        for (int vez = 0; vez < 2; ++vez) {
            QStringList tabla = {v->grid->horizontalHeaderItem(0)->text(),
                                 v->grid->horizontalHeaderItem(1)->text()};
            for (int fila = 0; fila < 27; ++fila) {
                tabla << v->grid->item(fila, 0)->text() << v->grid->item(fila, 1)->text();
                QVERIFY2(medida.horizontalAdvance(tabla[2 + 2 * fila]) + 6 <=
                             v->grid->columnWidth(0),
                         qPrintable(tabla[2 + 2 * fila]));
                if (vez == 0 && fila != 21)  // las que no se nombran valen 0, o su fila + 0.5
                    QCOMPARE(tabla[3 + 2 * fila], QString("0"));
                if (vez == 1 && fila < 24)
                    QCOMPARE(tabla[3 + 2 * fila], QString("%1.5").arg(fila));
            }
            QCOMPARE(tabla.mid(0, 2), QStringList({"Variable", "Valor"}));
            for (const auto& [fila, descripcion, antes, despues] : filas) {
                QCOMPARE(tabla[2 + 2 * fila], QString::fromUtf8(descripcion));
                QCOMPARE(tabla[3 + 2 * fila], QString(vez ? despues : antes));
            }
            QCOMPARE(v->Memo->toPlainText().split('\n').mid(0, 56), tabla);
            for (int fila = 0; fila < 27; ++fila)
                *campos[fila] = fila == 24 ? 2.0 / 3 : fila == 25 ? 1e20 : fila + 0.5;
            v->hide();
            v->show();
        }
        // Imprime el memo; cancelar no imprime nada.
        QTemporaryDir carpeta;
        const QString pdf = carpeta.filePath("variables.pdf");
        for (bool acepta : {false, true}) {
            guion.ImprimeEn(pdf, acepta);
            ImpresoraPrograma().setDocName(QString());
            QTest::mouseClick(Hijo<QPushButton>(v, "Button1"), Qt::LeftButton);
            QCOMPARE(QFileInfo::exists(pdf), acepta);
            QCOMPARE(ImpresoraPrograma().docName(), acepta ? QString("Hola") : QString());
        }
        QCOMPARE(FaltanEnPdf(pdf, {"Variable", "b - Anchura de la zanja en el plano clave,en m.",
                                   " r - Carga tr"}),  // "fi" sale ligada
                 QStringList());
        ImpresoraPrograma().setOutputFormat(QPrinter::NativeFormat);
    }

    // Título y cierre, sin botones de minimizar ni maximizar.
    void BordeDeDialogo()
    {
        TPrimera presentacion(f.get());
        TAcercaDe acerca(v.get(), f.get());
        for (QDialog* dialogo : {static_cast<QDialog*>(&presentacion),
                                 static_cast<QDialog*>(&acerca), static_cast<QDialog*>(v.get())})
            QVERIFY(dialogo->windowFlags().testFlags(Qt::Dialog | Qt::CustomizeWindowHint |
                                                     Qt::WindowTitleHint |
                                                     Qt::WindowCloseButtonHint) &&
                    !(dialogo->windowFlags() &
                      (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    }

    void AyudaCentradaYConEsc()
    {
        VentanaAyuda& ayuda = VentanaAyuda::Unica();
        ayuda.close();
        f->move(40, 30);
        AbreAyuda(0);
        QVERIFY(ayuda.isVisible());
        QCOMPARE(ayuda.geometry().center(), f->geometry().center());
        auto* indice = ayuda.findChild<QListWidget*>();  // cada entrada se lee entera
        for (int i = 0; i < indice->count(); ++i)
            QVERIFY2(indice->fontMetrics().horizontalAdvance(indice->item(i)->text()) + 8 <=
                         indice->viewport()->width(),
                     qPrintable(indice->item(i)->text()));
        // Si el usuario la ha movido, otra página no la mueve.
        ayuda.move(5, 5);
        AbreAyuda(125);
        QCOMPARE(ayuda.pos(), QPoint(5, 5));
        QVERIFY(QTest::qWaitForWindowActive(&ayuda));
        QTest::keyClick(&ayuda, Qt::Key_Escape);
        QVERIFY(!ayuda.isVisible());
    }

    // La ventana no crece bajo el ratón y todo se lee entero, en la pestaña y al volver a la
    // primera.
    void UnSoloTamano()
    {
        QCoreApplication::processEvents();  // la ventana ya dispuesta, como la ve el usuario
        const QSize tamano = f->size();
        // Instalación, relleno y base: terraplén, zanjas terraplenada e inducida, relleno de
        // usuario en zanja y en terraplén, base rígida y muy asentable.
        const int casos[][3] = {{1, 2, 1}, {2, 2, 1}, {3, 2, 1}, {0, 5, 1},
                                {1, 5, 1}, {0, 2, 0}, {2, 2, 2}};
        for (const auto& [instalacion, relleno, base] : casos) {
            Lista("ComboRelleno")->setCurrentIndex(relleno);
            Lista("ComboBase")->setCurrentIndex(base);
            for (const int pagina : {instalacion, 0}) {
                Hijo<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(pagina);
                QCoreApplication::processEvents();
                QCOMPARE(f->size(), tamano);
                QCOMPARE(Cortados(f.get()), QStringList());
            }
        }
    }

    // La caja de mensajes de verdad, no la del guion: un texto (el de un archivo) se ve tal
    // cual, no como HTML, y caben el título y los botones de la barra (unos 100 px).
    void CajaDeMensaje()
    {
        FijaDialogos(nullptr);
        const QString texto = "<b>x</b>";
        QString visto;
        int ancho = 0, anchoTitulo = 0;
        QTimer::singleShot(0, this, [&] {
            auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(caja);
            QLabel* rotulo = caja->findChild<QLabel*>("qt_msgbox_label");
            visto = rotulo->textFormat() == Qt::PlainText ? rotulo->text() : "HTML";
            ancho = caja->width();
            QFont letra = caja->font();
            letra.setBold(true);
            anchoTitulo = QFontMetrics(letra).horizontalAdvance(caja->windowTitle());
            caja->buttons().constFirst()->click();
        });
        QCOMPARE(Mensaje(texto, TituloAtencion), int(RespuestaAceptar));
        QCOMPARE(visto, texto);
        QVERIFY2(ancho >= anchoTitulo + 100,
                 qPrintable(QString("%1 < %2 + 100").arg(ancho).arg(anchoTitulo)));
    }

    // Las páginas impresas y el anejo se escriben con Liberation Sans y Serif: las del
    // sistema o, donde no las hay (Windows), las que el programa lleva consigo.
    void LetrasDeLasPaginas()
    {
        InstalaLetrasPrograma();
        for (const QString familia : {"Liberation Sans", "Liberation Serif"})
            QCOMPARE(QFontInfo(QFont(familia)).family(), familia);
    }

    // La última: deja instalada la traducción de Qt.
    void TextosDeQtEnEspanol()
    {
        QVERIFY(InstalaTraduccionQt(*qApp));
        QLineEdit casilla;
        const std::unique_ptr<QMenu> menu(casilla.createStandardContextMenu());
        QStringList opciones;
        for (const QAction* opcion : menu->actions())
            opciones.append(opcion->text().section('\t', 0, 0));
        QVERIFY2(opciones.contains("&Deshacer"), qPrintable(opciones.join(", ")));
        // Y lo que le falta al catálogo de Qt en el diálogo de imprimir, del nuestro.
        for (const auto& [contexto, ingles, espanol] :
             {std::tuple{"QPrintSettingsOutput", "Double Sided Printing", "Impresión a doble cara"},
              {"QPrintSettingsOutput", "Pages", "Páginas"},
              {"QPrintSettingsOutput", "Long side binding", "Encuadernado por el lado largo"}})
            QCOMPARE(QCoreApplication::translate(contexto, ingles), QString(espanol));
    }
};

QTEST_MAIN(PruebaVentanasInicio)
#include "ventanas_inicio_test.moc"
