// Hojas de resultados de zanja y de terraplén: títulos y rótulos, celdas frente a la matriz
// del cálculo, zoom de cada cama o clase, impresión y PDF.

#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include <map>

#include "banco_ventanas.h"
#include "clases.h"
#include "dibujos.h"
#include "hoja_terraplen.h"
#include "hoja_zanjas.h"
#include "interlocutor.h"

namespace {

bool EsZanja(int instalacion)
{
    return instalacion == InstalacionZanja || instalacion == InstalacionZanjaTerraplenada;
}

}  // namespace

class PruebaHojas : public BancoVentanas {
    Q_OBJECT

    QTemporaryDir carpeta;

    // Tubo de 1000 mm con 100 mm de pared bajo 2 m de relleno.
    std::unique_ptr<THojaResultados> Hoja(int instalacion, int relleno = 2, int modo = 1)
    {
        p->InstalacionIndex = std::uint8_t(instalacion), p->RellenoIndex = std::uint8_t(relleno);
        p->ModoCalculo = std::uint8_t(modo), p->BaseIndex = 1;
        p->Di = 1.0, p->Es = 0.1, p->De = 1.2, p->hr = 2, p->b = 2.2, p->h2r = 1.5;
        p->hr1 = 0.6, p->n = 0.5, p->hr2 = 0.8, p->b2 = 1.0, p->fi = 30, p->fi1 = 20, p->gamma = 20;
        if (EsZanja(instalacion))
            return std::make_unique<TResultadoZanjas>(*p, guion, *f);
        return std::make_unique<TResultadoTerraplen>(*p, guion, *f);
    }

private slots:
    BANCO_VENTANAS_INIT_CLEANUP

    // Títulos, rótulos visibles (se imprimen, separados por '|'), botones y Cancelar. La celda
    // Lffc muestra el texto y el color de la fila f y la columna c de la matriz del cálculo; sin
    // color, el fondo de la hoja. La sexta columna y su cabecera, solo con relleno de usuario.
    void VentanaYCeldas_data()
    {
        QTest::addColumn<int>("instalacion");
        QTest::addColumn<int>("relleno");
        QTest::addColumn<int>("modo");
        QTest::addColumn<double>("Di");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("rotulos");
        const QString zanja = "Zanja. De=1.2m  Es=0.1m  Di=1m  hr=2m  b=2.2m.";
        const QString terraplen = "Terraplén. De=1.2m  Es=0.1m  Di=1m  hr=2m  h´r=0.6m  h´r/De=0.5";
        QTest::newRow("zanja UNE") << 0 << 2 << 1 << 1.0 << "Resultados" << zanja
                                   << "Apoyo|Relleno|Hormigón|Compactado|Selec. Sin Compactar|180º|"
                                      "120º|90º| Granular| Apoyo directo|Arcilla plástica|Zahorras|"
                                      "Clase mínima|Carga Cálculo (kN/m²)    |"
                                      "Pulsar sobre los iconos para ZOOM";
        // Tras h"r no va unidad.
        QTest::newRow("zanja terraplenada ASTM usuario")
            << 2 << 5 << 2 << 1.0 << "Resultados"
            << "Zanja Terraplenada. De=1.2m  Es=0.1m  Di=1m  hr=2m  h\"r=1.5  b=2.2m."
            << "";
        QTest::newRow("terraplén UNE usuario")
            << 1 << 5 << 1 << 1.0 << "ResultadoTerraplen" << terraplen
            << "A|Hormigón|B|Material Granular |C|Compactado 95% P.N.|Arcilla ordinaria|"
               "Arenas y gravas|Leyenda:|Clase mínima|Carga Cálculo (kN/m²)       ";
        // La zanja inducida deja hr2/b2 = 0.8 en n; el título da h'r/De.
        QTest::newRow("zanja inducida ASTM")
            << 3 << 4 << 2 << 1.0 << "ResultadoTerraplen" << terraplen << "";
        // Un tubo fino no llega a ninguna clase: celdas rojas, en letra blanca.
        QTest::newRow("tubo fino") << 0 << 2 << 1 << 0.3 << "Resultados"
                                   << "Zanja. De=1.2m  Es=0.1m  Di=0.3m  hr=2m  b=2.2m."
                                   << "";
        QTest::newRow("sin modo") << 0 << 2 << 0 << 1.0 << "Resultados" << zanja << "";
    }

    void VentanaYCeldas()
    {
        QFETCH(int, instalacion);
        QFETCH(int, relleno);
        QFETCH(int, modo);
        QFETCH(double, Di);
        QFETCH(QString, rotulos);
        auto hoja = Hoja(instalacion, relleno, modo);
        p->Di = Di;
        const HojaResultados tipo =
            EsZanja(instalacion) ? HojaResultados::Zanjas : HojaResultados::Terraplen;
        Proyecto copia = *p;
        RespondeNo no;
        const MatrizResultados matriz = RellenaResultados(copia, no, tipo, copia.ModoCalculo);
        hoja->show();
        QTEST(hoja->windowTitle(), "caption");
        QTEST(hoja->titulo->text(), "titulo");
        QStringList enHoja;
        for (QLabel* rotulo :
             hoja->Hoja->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
            if (rotulo->isVisible())
                enHoja.append(rotulo->text());
        for (const QString& texto : rotulos.split('|', Qt::SkipEmptyParts))
            QVERIFY2(enHoja.contains(texto), qPrintable(texto));
        const bool usuario = relleno == RellenoUsuario;
        QCOMPARE(enHoja.contains("Def. por usuario"), usuario);
        QCOMPARE(hoja->BImprimir->text(), QString("&Imprimir"));
        QCOMPARE(hoja->BCancelar->text(), QString("&Cancelar"));
        QCOMPARE(hoja->BAbortar->text(), EsZanja(instalacion) ? "&Parar..." : "Parar...");
        QVERIFY(!hoja->BAbortar->isVisible());
        const QColor fondo = hoja->Hoja->palette().color(QPalette::Window);
        // Letra blanca sobre gris, verde azulado y rojo; negra sobre los claros.
        const std::map<QRgb, QColor> letra{
            {qRgb(128, 128, 128), Qt::white}, {qRgb(0, 128, 128), Qt::white},
            {qRgb(255, 0, 0), Qt::white},     {qRgb(192, 192, 192), Qt::black},
            {qRgb(0, 255, 255), Qt::black},   {qRgb(255, 255, 255), Qt::black}};
        QSet<QString> distintos;
        for (int fila = 1; fila <= FilasHoja(tipo); ++fila)
            for (int columna = 1; columna <= 6; ++columna) {
                const CeldaResultado& esperada = matriz[fila - 1][columna - 1];
                auto* celda = hoja->Hoja->findChild<QLabel*>(
                    QString("L%1%2").arg(fila, 2, 10, QChar('0')).arg(columna));
                QVERIFY(celda);
                QCOMPARE(celda->text(), QString::fromStdString(esperada.texto));
                distintos.insert(celda->text());
                // El fondo que se ve: el de la celda si lo pinta; si no, el de la hoja.
                const auto* c = esperada.color ? &*esperada.color : nullptr;
                QCOMPARE(celda->autoFillBackground() ? celda->palette().color(QPalette::Window)
                                                     : fondo,
                         c ? QColor(c->rojo, c->verde, c->azul) : fondo);
                QCOMPARE(celda->palette().color(QPalette::WindowText),
                         c ? letra.at(qRgb(c->rojo, c->verde, c->azul))
                           : hoja->Hoja->palette().color(QPalette::WindowText));
                QCOMPARE(celda->isVisible(), columna < 6 || usuario);
            }
        if (modo != 0)  // filas y columnas no se confunden
            QVERIFY(distintos.size() > FilasHoja(tipo));
        QTest::mouseClick(hoja->BCancelar, Qt::LeftButton);
        QVERIFY(!hoja->isVisible());
        QCOMPARE(hoja->result(), int(QDialog::Rejected));
    }

    // Se pulsa antes otro icono muy distinto: el segundo reemplaza lo que mostraba el panel;
    // Cerrar lo oculta. Las bandas del espesor de cama se prueban en el motor (EspesorCama).
    void Zoom()
    {
        // Zanja: L1|L2|c visible|LSuelo|LRoca|LRelleno|LBase. Terraplén: L1..L4.
        const QString compactado = "|Relleno Compactado 95% P.N.|";
        const QString granular = "Material Granular Compactado 95% P.N.";
        const QString normal = "|sí|0.1 m|0.23 m" + compactado;  // c, suelo, roca, relleno
        // Instalación, fila, hr, Di, cama elegida (zanja) o base (terraplén) y lo que muestra.
        const std::tuple<int, int, double, double, int, QString> casos[] = {
            {0, 1, 2.0, 1.0, 3, "0.30 m|0.6 m" + normal + "Hormigón"},
            {0, 7, 2.0, 1.0, 3, "0.30 m||sí|0.1 m|0.23 m|" + granular + "|"},  // sin cuna
            {0, 9, 3.2, 1.0, 3, "0.4 m|0.2 m" + normal + granular},            // hr/8
            {0, 9, 2.0, 1.0, 3, "0.3 m|0.2 m" + normal + granular},            // mínimo
            {0, 11, 2.0, 1.0, 13, "0.25 m||no|0 m|0 m|Relleno fino|"},
            // Con Di 0.7 la hoja da la banda central (la memoria, la primera); la cama sin
            // espesor es la de la fila, no la elegida (13, apoyo directo) en la ventana principal.
            {0, 3, 2.0, 0.7, 13, "0.30 m|0.15 m" + normal + "Hormigón"},
            {1, 1, 2.0, 1.0, 1, "1.4 m|0.6 m|0.3 m|0.25 m"},     // A
            {1, 2, 2.0, 1.0, 1, "1.5 m|0.6 m|0.48 m|0.1 m"},     // B, base de suelo
            {1, 2, 2.0, 0.7, 0, "1.125 m|0.6 m|0.36 m|0.23 m"},  // B, base rígida
            {1, 3, 2.0, 2.0, 0, "2.75 m|0.6 m|0.374 m|0.3 m"},   // C, base rígida
            // En la zanja inducida h'r sigue siendo h'r, no hr2/b2·De.
            {3, 2, 2.0, 1.0, 1, "1.5 m|0.6 m|0.48 m|0.1 m"}};
        for (const auto& [instalacion, fila, hr, Di, eleccion, esperado] : casos) {
            auto hoja = Hoja(instalacion);
            p->hr = hr, p->Di = Di, p->De = Di + 2 * p->Es;
            if (EsZanja(instalacion))
                p->Tipo = static_cast<std::int8_t>(eleccion);
            else
                p->BaseIndex = static_cast<std::uint8_t>(eleccion);
            hoja->show();
            auto* z = dynamic_cast<TResultadoZanjas*>(hoja.get());
            auto* t = dynamic_cast<TResultadoTerraplen*>(hoja.get());
            QWidget* panel = z ? static_cast<QWidget*>(z->Panel1) : t->Panel;
            QVERIFY(!panel->isVisible());
            const int otro = z ? (fila == 11 ? 1 : 11) : (fila == 1 ? 3 : 1);
            for (const int icono : {otro, fila})
                QTest::mouseClick(hoja->findChild<QWidget*>(QString("Image%1").arg(icono)),
                                  Qt::LeftButton);
            QVERIFY(panel->isVisible() && (t || z->ImagenPanel->isVisible()));
            const QString visto =
                (z ? QStringList{z->L1->text(), z->L2->text(), z->L3->isVisible() ? "sí" : "no",
                                 z->LSuelo->text(), z->LRoca->text(), z->LRelleno->text(),
                                 z->LBase->text()}
                   : QStringList{t->L1->text(), t->L2->text(), t->L3->text(), t->L4->text()})
                    .join('|');
            QVERIFY2(visto == esperado, qPrintable(QString("fila %1: %2").arg(fila).arg(visto)));
            QTest::mouseClick(z ? z->BCerrar : t->BCerrar, Qt::LeftButton);
            QVERIFY(!panel->isVisible());
        }
    }

    // Una página con las celdas, sin el zoom ni los botones. El panel de zanjas
    // sigue abierto, sin imprimirse, y vuelve con su croquis; el de terraplén
    // se cierra. "Exportar PDF…" propone el archivo del proyecto con .pdf, la misma página.
    void Imprimir()
    {
        // Instalación, relleno, si se pulsa Parar en el diálogo de imprimir (sin trabajo en curso
        // no aborta nada, pero devuelve los botones), lo visible mientras imprime, los textos que
        // no salen en papel, el archivo del proyecto y el PDF propuesto.
        const struct {
            int instalacion, relleno;
            bool parar;
            QString mientrasImprime, nunca;
            std::string archivoProyecto;
            QString propuesto;
        } casos[] = {{0, 2, false, "BAbortar|LZoom|Panel1",
                      "Tipo de Terreno|Valores de c|Suelo|Roca|Relleno fino|Pulsar sobre los "
                      "iconos|Cerrar|Imprimir|Def. por usuario",
                      "", "resultados.pdf"},
                     {1, 5, true, "BAbortar|BImprimir", "Clase C:|Cerrar|Parar|Imprimir",
                      "/datos/obra.v2/tubo.txt", "/datos/obra.v2/tubo.pdf"}};
        for (const auto& c : casos) {
            guion = DialogosGuion();
            auto hoja = Hoja(c.instalacion, c.relleno);
            p->FileName = c.archivoProyecto;
            hoja->show();
            auto* zanjas = dynamic_cast<TResultadoZanjas*>(hoja.get());
            auto* terraplen = dynamic_cast<TResultadoTerraplen*>(hoja.get());
            zanjas ? zanjas->ImageClick(11) : terraplen->ImageClick(3);
            QStringList visto;
            const auto anota = [&] {
                for (const char* nombre :
                     {"BImprimir", "BAbortar", "LZoom", "ImagenPanel", "Panel1", "Panel"}) {
                    auto* control = hoja->findChild<QWidget*>(nombre);
                    if (control && control->isVisible())
                        visto.append(nombre);
                }
            };
            const QString archivo = carpeta.filePath("hoja.pdf");
            guion.ImprimeEn(archivo, true, 1, [&] {
                anota();
                if (c.parar) {
                    QTest::mouseClick(hoja->BAbortar, Qt::LeftButton);
                    anota();
                }
            });
            QTest::mouseClick(hoja->BImprimir, Qt::LeftButton);
            QCOMPARE(guion.impresiones, 1);
            QCOMPARE(visto.join('|'), c.mientrasImprime);
            QVERIFY(hoja->BImprimir->isVisible() && !hoja->BAbortar->isVisible());
            if (zanjas)
                QVERIFY(zanjas->LZoom->isVisible() && zanjas->Panel1->isVisible() &&
                        zanjas->ImagenPanel->isVisible());
            else
                QVERIFY(!terraplen->Panel->isVisible());
            const QString exportada = carpeta.filePath("exportada.pdf");
            guion.nombres = {exportada};
            QTest::mouseClick(hoja->BExportarPdf, Qt::LeftButton);
            QCOMPARE(guion.propuestos, QStringList{c.propuesto});
            QStringList textos = {hoja->titulo->text().simplified(), "Clase mínima",
                                  "Carga Cálculo (kN/m²)"};
            for (int fila = 1; fila <= (zanjas ? 11 : 3); ++fila)
                for (int columna = 1; columna <= (c.relleno == RellenoUsuario ? 6 : 5); ++columna)
                    textos << hoja->Celda(fila, columna)->text().simplified();
            for (const QString& pdf : {archivo, exportada}) {
                QCOMPARE(FaltanEnPdf(pdf, textos), QStringList());
                for (const QString& ausente : c.nunca.split('|'))
                    QVERIFY2(!TextoPdf(pdf).contains(ausente), qPrintable(ausente));
            }
        }
    }
};

QTEST_MAIN(PruebaHojas)
#include "hojas_test.moc"
