// El anejo de cálculo en PDF: lo que dice frente a la salida JSON de la CLI,
// su numeración de páginas, sus letras, la orden --anejo y la del menú.

#include <QElapsedTimer>
#include <QDir>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include "anejo.h"
#include "anejo_caso.h"
#include "archivo.h"
#include "anejo_interno.h"
#include "banco_ventanas.h"
#include "caso.h"

namespace {

const QString Ejemplos = CARPETA_EJEMPLOS;
const QString Casos = CARPETA_CASOS;

QString EscribePdf(const QString& proyecto, const QString& pdf,
                   std::optional<TramosAnejo> tramos = std::nullopt)
{
    const DatosAnejo datos{QFileInfo(proyecto).fileName(),
                           QDate(2025, 3, 5),
                           VersionPrograma(),
                           {},
                           {},
                           std::move(tramos)};
    const ResultadoAnejo resultado =
        EscribeAnejo(CalculaArchivo(proyecto.toStdString()), datos, pdf);
    return resultado.escrito ? QString() : resultado.error;
}

// Una conducción sobre el ejemplo de zanja: n tramos seguidos de 10 m con hr
// de 1 a 5 m y, cada siete, uno con hr no válida y un carácter de control en
// el nombre.
TramosAnejo Conduccion(int n)
{
    Proyecto base;
    LeeArchivo(base, (Ejemplos + "/zanja.txt").toStdString(),
               [](const std::string&, BotonesLectura) { return true; });
    TramosAnejo t;
    t.tabla = "/obras/colector.csv";
    for (int i = 0; i < n; ++i) {
        const std::string hr = i % 7 == 6 ? "x" : TextoNumero(1 + i % 5);
        const std::string nombre =
            "T-" + std::to_string(i + 1) + (i % 7 == 6 ? "\x1b[1m\u202e" : "");
        t.tramos.push_back(LeeTramo(base, {{ColumnaTramo::Tramo, nombre},
                                           {ColumnaTramo::PkInicial, std::to_string(10 * i)},
                                           {ColumnaTramo::PkFinal, std::to_string(10 * i + 10)},
                                           {ColumnaTramo::Hr, hr}}));
        t.calculos.push_back(CalculaTramo(t.tramos.back()));
        SumaTramo(t.resumen, t.tramos.back(), t.calculos.back());
    }
    return t;
}

}  // namespace

class PruebaAnejo : public BancoVentanas {
    Q_OBJECT

private slots:
    BANCO_VENTANAS_INIT_CLEANUP

    void DiceLoQueLaCli_data()
    {
        QTest::addColumn<QString>("proyecto");
        QTest::addColumn<QString>("carga");       // la carga de cálculo como la da la memoria
        QTest::addColumn<QStringList>("clases");  // UNE, validez, ASTM, validez; vacía: sin clase
        QTest::addColumn<QStringList>("textos");  // más textos que deben salir

        QTest::newRow("zanja") << Ejemplos + "/zanja.txt"
                               << "89.24"
                               << QStringList{"90", "(Válido para hr <=2.53 m.)", "III",
                                              "(Válido para hr <=2.89 m.)"}
                               << QStringList{
                                      "Obra: Colector de pluviales de la Avenida del Puerto",
                                      "Archivo: zanja.txt",
                                      "Versión: 2.02a",
                                      "Fecha: 05/03/2025",
                                      "Cliente: Ayuntamiento de Villanueva del Río",
                                      "Diámetro interior Di 1000 mm",
                                      "Carga ASTM = 1.5 · Qtotal / (Fa · Di) = 89.24 kN/m²",
                                      "Carga de fisuración = Qtotal / (Fa · Di) = 113.04 kN/m / "
                                      "(1.9 · 1 m) = 59.49 kN/m²",
                                      "Cama «Granular / Compactado / 180º» (fila 8",
                                      "Se adopta tubo de clase UNE 90 (válido para hr ≤ 2.53 m).",
                                      "Se adopta tubo de clase ASTM III (válido para hr ≤ 2.89 m).",
                                      "UNE 135 hasta hr 4.77 m",
                                      "ASTM III hasta hr 2.89 m"};
        QTest::newRow("terraplén")
            << Ejemplos + "/terraplen.txt"
            << "112.69"
            << QStringList{"135", "(Válido para hr <=5.28 m.)", "IV", "(Válido para hr <=5.92 m.)"}
            << QStringList{"Archivo: terraplen.txt",
                           "Clase de apoyo B en terraplén: Fa = 1.431 / (N − x · q).",
                           "p = h′r / De = 0.9 m / 1.8 m = 0.5 (razón de proyección)",
                           "q = λ · p / Ct · (p · De / (2 · hr) + 1) = 0.33 · 0.5 / 1.421 · (0.5 · "
                           "1.8 m / (2 · 4 m) + 1) = 0.129",
                           "Fa = 1.431 / (0.707 − 0.423 · 0.129) = 2.194."};
        QTest::newRow("zanja inducida")
            << Ejemplos + "/zanja_inducida.txt"
            << "65.4"
            << QStringList{"90", "(Válido para hr <=12.12 m.)", "II", "(Válido para hr <=9.62 m.)"}
            << QStringList{"Instalación en Zanja Inducida"};
        QTest::newRow("avión bajo 1 m")
            << Casos + "/avion_poco_relleno.txt"
            << "31.32"
            << QStringList{"60", "(Válido para hr <=0.99 m.)", "I", "(Válido para hr <=0.99 m.)"}
            << QStringList{"El tráfico aéreo (Jumbo (3500 kN)) no se cuenta: con hr = 0.8 m"};
        QTest::newRow("archivo ajeno con controles")
            << Casos + "/ajeno.txt"
            << "89.24"
            << QStringList{"90", "(Válido para hr <=2.53 m.)", "III", "(Válido para hr <=2.89 m.)"}
            << QStringList{"Error de lectura del archivo: Error en \\x1b[31mrojo\\x09fin\\u009d",
                           "La Norma UNE 127.010 recomienda un espesor de pared mínimo de 109 mm. "
                           "¿Quiere mantener activado este aviso? (respondida No)"};
        QTest::newRow("sin factor de apoyo")
            << Casos + "/sin_factor.txt"
            << "" << QStringList{}
            << QStringList{"La orden de cálculo no calcula este caso: Debe indicar el Factor de "
                           "Apoyo",
                           "No se adopta clase UNE: la orden de cálculo no calcula el caso (Debe "
                           "indicar el Factor de Apoyo)."};
        QTest::newRow("relleno imposible y errores de lectura")
            << Casos + "/errores.txt"
            << "" << QStringList{}
            << QStringList{"Error de lectura del archivo: Error en Clave que no existe",
                           "Error calculando la carga del relleno",
                           "El cálculo no ha terminado: ha fallado la carga del relleno porque "
                           "la altura de relleno hr es 0."};
    }

    void DiceLoQueLaCli()
    {
        QFETCH(QString, proyecto);
        QFETCH(QString, carga);
        QFETCH(QStringList, clases);
        QFETCH(QStringList, textos);
        QTemporaryDir carpeta;
        const QString pdf = carpeta.filePath("anejo.pdf");
        QCOMPARE(EscribePdf(proyecto, pdf), QString());
        const QString texto = TextoPdf(pdf);

        if (clases.isEmpty()) {
            QVERIFY(!texto.contains("Carga de cálculo Qc"));
            QVERIFY(texto.contains("No se adopta clase UNE") &&
                    texto.contains("No se adopta clase ASTM"));
            QVERIFY(!texto.contains("Clase mínima"));
            QVERIFY(texto.contains("Sin clase: el cálculo no ha terminado"));
        } else {
            for (const QString& esperado : QStringList{
                     "Carga de cálculo Qc = 1.5 · Qtotal / (Fa · Di) =", "= " + carga + " kN/m²",
                     "Tabla 2. Clases UNE 127.010", "180 180 no existe desde Di 1800 mm",
                     "V 140 210 1.25 · y", "Se adopta tubo de clase UNE " + clases[0],
                     "Se adopta tubo de clase ASTM " + clases[2],
                     "Clase mínima UNE-127.010 exigible: Clase " + clases[0] + " " + clases[1],
                     "Clase mínima ASTM-C76M exigible: Clase " + clases[2]})
                QVERIFY2(texto.contains(esperado), qPrintable(esperado));
            QVERIFY2(texto.contains(clases[3]), qPrintable(clases[3]));
        }
        for (const QString& esperado : textos)
            QVERIFY2(texto.contains(esperado), qPrintable(esperado));
        // Portada con índice; cada apartado una vez en el cuerpo (y otra en el índice):
        // ningún texto oculto repetido al pie de una página.
        QVERIFY(texto.contains("Índice"));
        for (const char* apartado : {"2. Hipótesis", "3. Cargas", "6. Clase según la altura"})
            QVERIFY2(texto.count(apartado) == 2, apartado);

        // Cada página dice la suya y el total, sin una de más.
        const int paginas = CampoPdf(pdf, "Pages").toInt();
        QVERIFY(paginas >= 2);
        for (int n = 1; n <= paginas + 1; ++n) {
            const QString pie = QString("Página %1 de %2").arg(n).arg(paginas);
            QCOMPARE(texto.count(pie), n <= paginas ? 1 : 0);
        }
        // Todas las letras van dentro del PDF.
        const QStringList fuentes = SalidaDe("pdffonts", {pdf}).split('\n', Qt::SkipEmptyParts);
        QVERIFY(fuentes.size() > 2);
        for (const QString& linea : fuentes.mid(2)) {
            const QStringList campos = linea.split(' ', Qt::SkipEmptyParts);
            QVERIFY2(campos.size() > 5 && campos[campos.size() - 5] == "yes", qPrintable(linea));
        }
    }

    // Con una conducción por tramos el anejo lleva su capítulo tras las notas:
    // la tabla de tramos, aunque ocupe muchas páginas, los metros de cada
    // diámetro y clase y los perfiles de las dos normas.
    void CapituloTramos_data()
    {
        QTest::addColumn<int>("tramos");
        QTest::addColumn<int>("paginas");         // al menos
        QTest::addColumn<QStringList>("textos");  // en este orden
        QTest::newRow("sin tramos") << -1 << 2 << QStringList{"7. Notas"};
        QTest::newRow("siete tramos")
            << 7 << 3
            << QStringList{"7. Notas",
                           "8. Tramos",
                           "Tabla de tramos: colector.csv",
                           "Tramos: 7; longitud total: 70 m; con errores: 1.",
                           "Instalación y apoyo",
                           "T-1",
                           "T-7\\x1b[1m",
                           "u202e",  // la celda parte el nombre tras "\\"
                           "Metros de tubo por diámetro y clase UNE 127.010",
                           "Total con clase: 60 m",
                           "Tramos sin clase: 1, con 10 m",
                           "Perfil longitudinal: clase UNE 127.010",
                           "Perfil longitudinal: clase ASTM C76M"};
        QTest::newRow("quinientos tramos")
            << 500 << 14
            << QStringList{"8. Tramos",
                           "Tramos: 500; longitud total: 5000 m; con errores: 71.",
                           "T-1",
                           "T-250",
                           "T-500",
                           "Total con clase: 4290 m",
                           "Perfil longitudinal: clase ASTM C76M"};
    }

    void CapituloTramos()
    {
        QFETCH(int, tramos);
        QFETCH(int, paginas);
        QFETCH(QStringList, textos);
        QTemporaryDir carpeta;
        const QString pdf = carpeta.filePath("anejo.pdf");
        std::optional<TramosAnejo> conduccion;
        if (tramos >= 0)
            conduccion = Conduccion(tramos);
        QCOMPARE(EscribePdf(Ejemplos + "/zanja.txt", pdf, conduccion), QString());
        const QString texto = TextoPdf(pdf);
        qsizetype desde = 0;
        for (const QString& esperado : textos) {
            const qsizetype donde = texto.indexOf(esperado, desde);
            QVERIFY2(donde >= 0, qPrintable(esperado));
            desde = donde + esperado.size();
        }
        QCOMPARE(texto.contains("8. Tramos"), tramos >= 0);
        const int total = CampoPdf(pdf, "Pages").toInt();
        QVERIFY2(total >= paginas, qPrintable(QString::number(total)));
        QCOMPARE(texto.count(QString("Página %1 de %1").arg(total)), 1);
    }

    // Una tabla de 400 tramos sin pantalla repite su encabezado en cada página;
    // los textos libres enormes de un archivo ajeno no hacen un anejo sin fin.
    void SinPantallaTablasLargasYTextosEnormes()
    {
        QTemporaryDir carpeta;
        QByteArray tabla = "Tramo;PK inicial;PK final;hr\n";
        for (int i = 0; i < 400; ++i)
            tabla += QString("R%1;%2;%3;%4\n")
                         .arg(i)
                         .arg(10 * i)
                         .arg(10 * i + 10)
                         .arg(1 + i % 5)
                         .toUtf8();
        const QString csv = Escribe(carpeta.filePath("larga.csv"), tabla);
        const QString pdf = carpeta.filePath("tramos.pdf");
        QProcess programa;
        programa.start(PROGRAMA_TUBOS, {"--anejo", pdf, "--tramos", csv, "--autor", "Ana Pérez",
                                        Ejemplos + "/zanja.txt"});
        QVERIFY(programa.waitForFinished(120000));
        QCOMPARE(programa.exitCode(), 0);
        const int paginas = CampoPdf(pdf, "Pages").toInt();
        int conTabla = 0;
        bool dentro = false;
        for (int pagina = 1; pagina <= paginas; ++pagina) {
            const QString texto = SalidaDe("pdftotext", {"-f", QString::number(pagina), "-l",
                                                         QString::number(pagina), pdf, "-"});
            dentro = (dentro || texto.contains("Tramos: datos de cada fila")) &&
                     !texto.contains("Metros por diámetro y clase UNE");
            if (dentro) {
                ++conTabla;
                QVERIFY2(texto.contains("Instalación y") && texto.contains("Tráfico"),
                         qPrintable(QString::number(pagina)));
            }
        }
        QVERIFY(conTabla > 5);
        QVERIFY(TextoPdf(pdf).contains("Autor Ana Pérez"));

        // Un mega de obra en una línea, y cien mil líneas cortas: se recortan.
        const QByteArray proyecto = BytesDe(Ejemplos + "/zanja.txt");
        const qsizetype obra = proyecto.indexOf("\r\n", proyecto.indexOf("Obra:")) + 2;
        for (const QByteArray& enorme :
             {QByteArray(1000000, 'x'), QByteArray("linea\r\n").repeated(100000)}) {
            QByteArray hostil = proyecto;
            hostil.insert(obra, enorme + "\r\n");
            const QString archivo = Escribe(carpeta.filePath("hostil.txt"), hostil);
            QElapsedTimer reloj;
            reloj.start();
            const ResultadoAnejo resultado =
                EscribeAnejo(CalculaArchivo(archivo.toStdString()), DatosAnejo(),
                             carpeta.filePath("hostil.pdf"));
            QVERIFY(resultado.escrito);
            QVERIFY2(reloj.elapsed() < 20000, qPrintable(QString::number(reloj.elapsed())));
            QVERIFY(resultado.paginas < 20);
            QVERIFY(TextoPdf(carpeta.filePath("hostil.pdf")).contains("el anejo lo recorta"));
        }
    }

    void FilasEnteras_data()
    {
        QTest::addColumn<QList<int>>("lineas");  // líneas de cada fila
        QList<int> variadas;
        for (int fila = 0; fila < 40; ++fila)
            variadas << fila % 4 + 1;
        QTest::newRow("filas de 1 a 4 líneas") << variadas;
        // Como una obra de 60 líneas en un archivo ajeno: se corta entre líneas.
        QTest::newRow("una fila más alta que la página") << QList<int>{1, 60, 2};
    }

    // Una fila de tabla no se reparte entre dos páginas si cabe en una; si no
    // cabe, cada página se llena antes de cortarla.
    void FilasEnteras()
    {
        QFETCH(QList<int>, lineas);
        QTextDocument documento;
        documento.setTextWidth(400);
        QTextCursor cursor(&documento);
        cursor.insertText("Tabla");
        const int filas = static_cast<int>(lineas.size());
        QTextTable* tabla = cursor.insertTable(filas, 2);
        for (int fila = 0; fila < filas; ++fila) {
            const QStringList texto(lineas[fila], "línea de la fila");
            tabla->cellAt(fila, fila % 2).firstCursorPosition().insertText(texto.join('\n'));
        }
        const double alto = 150;
        std::vector<double> cortes;
        for (const PaginaAnejo& trozo : PaginasDeDocumento(documento, alto))
            cortes.push_back(trozo.inicio);
        cortes.push_back(documento.size().height());
        QVERIFY(cortes.size() > 5);
        auto pagina = [&cortes](double y) {
            return std::upper_bound(cortes.begin(), cortes.end(), y) - cortes.begin();
        };
        for (std::size_t i = 1; i < cortes.size(); ++i) {
            QVERIFY(cortes[i] > cortes[i - 1] && cortes[i] - cortes[i - 1] <= alto);
            if (i + 1 < cortes.size())  // ninguna página a medias, salvo la última
                QVERIFY(cortes[i] - cortes[i - 1] > alto / 2);
        }
        QAbstractTextDocumentLayout* disposicion = documento.documentLayout();
        for (int fila = 0; fila < filas; ++fila) {
            const QTextTableCell celda = tabla->cellAt(fila, fila % 2);
            const QRectF primera =
                disposicion->blockBoundingRect(celda.firstCursorPosition().block());
            const QRectF ultima =
                disposicion->blockBoundingRect(celda.lastCursorPosition().block());
            if (ultima.bottom() - primera.top() < alto)
                QCOMPARE(pagina(primera.top()), pagina(ultima.bottom() - 0.01));
        }
    }

    // PDF y proyecto ({pdf}: el PDF de la carpeta), código de salida y si se escribe.
    void CodigosDeSalida_data()
    {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<int>("codigo");
        QTest::addColumn<bool>("escrito");
        const std::tuple<QStringList, int, bool> casos[] = {
            {{"{pdf}", Ejemplos + "/zanja.txt"}, 0, true},
            {{"{pdf}", Casos + "/sin_factor.txt"}, 1, true},
            {{"{pdf}", Casos + "/no_proyecto.txt"}, 2, false},
            {{"{pdf}", Casos + "/no-existe.txt"}, 2, false},
            {{"{pdf}"}, 2, false},  // falta el proyecto
            {{"/no-existe/anejo.pdf", Ejemplos + "/zanja.txt"}, 3, false},
            {{"{copia}", "{copia}"}, 3, false}};  // sobre el proyecto
        for (const auto& [argumentos, codigo, escrito] : casos)
            QTest::newRow(qPrintable(argumentos.join(' '))) << argumentos << codigo << escrito;
    }

    void CodigosDeSalida()
    {
        QFETCH(QStringList, argumentos);
        QFETCH(int, codigo);
        QFETCH(bool, escrito);
        QTemporaryDir carpeta;
        const QString pdf = carpeta.filePath("anejo.pdf");
        const QString copia = carpeta.filePath("copia.txt");
        QVERIFY(QFile::copy(Ejemplos + "/zanja.txt", copia));
        argumentos.replaceInStrings("{pdf}", pdf).replaceInStrings("{copia}", copia);

        QProcess programa;
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            entorno.remove(variable);  // sin pantalla por su cuenta
        programa.setProcessEnvironment(entorno);
        programa.start(PROGRAMA_TUBOS, QStringList{"--anejo"} + argumentos);
        QVERIFY(programa.waitForFinished(60000));
        QCOMPARE(programa.exitStatus(), QProcess::NormalExit);
        QCOMPARE(programa.exitCode(), codigo);
        QCOMPARE(QFileInfo::exists(pdf), escrito);
        if (escrito)
            QVERIFY(TextoPdf(pdf).contains("Página 1 de"));
        if (codigo >= 2)
            QVERIFY(!programa.readAllStandardError().isEmpty());
        QCOMPARE(BytesDe(copia), BytesDe(Ejemplos + "/zanja.txt"));  // el proyecto intacto
    }

    // La orden del menú (y la de la ventana de tramos, con su conducción)
    // calcula el caso de la ventana sin tocarlo y dice si no pudo escribir.
    void OrdenDelMenu_data()
    {
        QTest::addColumn<QString>("destino");  // relativo a la carpeta de la prueba
        QTest::addColumn<bool>("escrito");
        QTest::addColumn<bool>("sinGuardar");  // el caso tiene cambios sin guardar
        QTest::addColumn<bool>("tramos");      // con tramos, de un caso sin archivo
        QTest::newRow("escrito") << "anejo.pdf" << true << false << false;
        QTest::newRow("con cambios sin guardar") << "anejo.pdf" << true << true << false;
        QTest::newRow("carpeta inexistente") << "no-existe/anejo.pdf" << false << false << false;
        QTest::newRow("con tramos") << "anejo.pdf" << true << false << true;
    }

    void OrdenDelMenu()
    {
        QFETCH(QString, destino);
        QFETCH(bool, escrito);
        QFETCH(bool, sinGuardar);
        QFETCH(bool, tramos);
        QTemporaryDir carpeta;
        const QString proyecto = carpeta.filePath("caso.txt");
        QVERIFY(QFile::copy(Ejemplos + "/zanja.txt", proyecto));
        guion.nombres = {proyecto};
        f->AbrirClick();
        p->Modificado = sinGuardar ? 1 : 0;
        const double hr = p->hr;
        const std::string clase = p->ClaseTexto;
        guion.vistos.clear();

        const QString pdf = carpeta.filePath(destino);
        guion.nombres = {pdf};
        if (tramos) {
            p->FileName.clear();  // el PDF se propone junto a la tabla
            TramosAnejo conduccion = Conduccion(3);
            conduccion.tabla = carpeta.filePath("colector.csv");
            EscribeAnejoDelCaso(*p, DialogosPrograma(), conduccion);
        } else {
            QAction* orden = Opcion(f.get(), "&Anejo de cálculo (PDF)…");
            QVERIFY(orden);
            orden->trigger();
        }
        QCOMPARE(guion.propuestos.last(), carpeta.filePath(tramos ? "colector.pdf" : "caso.pdf"));
        QCOMPARE(QFileInfo::exists(pdf), escrito);
        // Autor y revisión se piden cada vez, con los de la anterior propuestos.
        QCOMPARE(guion.firmasPropuestas.size(), 1);
        guion.autor.clear();  // y si se cancela, no se pide dónde guardar
        EscribeAnejoDelCaso(*p, DialogosPrograma());
        QCOMPARE(guion.firmasPropuestas.last(), QString("Autora de las pruebas|A"));
        if (escrito) {
            QVERIFY(guion.vistos.isEmpty());
            const QString texto = TextoPdf(pdf);
            QVERIFY(texto.contains("Autor Autora de las pruebas Revisión A"));
            QVERIFY(texto.contains("Clase mínima UNE-127.010 exigible: Clase 90 "
                                   "(Válido para hr <=2.53 m.)"));
            QCOMPARE(texto.contains("Archivo: caso.txt (con cambios sin guardar)"), sinGuardar);
            QCOMPARE(texto.contains("Archivo: (sin guardar)"), tramos);
            QCOMPARE(texto.contains("8. Tramos"), tramos);
        } else {
            QCOMPARE(guion.vistos.size(), 1);
            QCOMPARE(guion.vistos[0].titulo, QString("Error"));
            QVERIFY(guion.vistos[0].texto.contains(pdf));
        }
        QCOMPARE(p->hr, hr);
        QCOMPARE(p->ClaseTexto, clase);
        QCOMPARE(p->Modificado, sinGuardar ? 1 : 0);
    }

    // Un anejo largo se cancela en su aviso de espera: no se escribe nada y el
    // PDF que había queda, sin temporales al lado.
    void CancelarDejaElPdfAnterior()
    {
        QTemporaryDir carpeta;
        guion.nombres = {Escribe(carpeta.filePath("anejo.pdf"), "%PDF viejo")};
        bool cancelado = false;
        QTimer espera;
        connect(&espera, &QTimer::timeout, this, [&] {
            auto* aviso = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
            if (aviso && aviso->objectName() == "EsperaAnejo") {
                QCOMPARE(aviso->findChild<QPushButton*>()->text(), QString("Cancelar"));
                aviso->findChild<QPushButton*>()->click();
                cancelado = true;
            }
        });
        espera.start(50);
        EscribeAnejoDelCaso(*p, DialogosPrograma(), Conduccion(5000));
        espera.stop();
        QVERIFY(cancelado);
        QVERIFY(guion.vistos.isEmpty());
        EsperaAnejosCancelados();
        QCOMPARE(BytesDe(carpeta.filePath("anejo.pdf")), QByteArray("%PDF viejo"));
        QCOMPARE(
            QDir(carpeta.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{"anejo.pdf"});
    }
};

QTEST_MAIN(PruebaAnejo)
#include "anejo_test.moc"
