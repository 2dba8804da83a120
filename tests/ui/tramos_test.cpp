// Tabla de tramos: cada fila editada se calcula al momento como la orden de
// cálculo, la tabla leída se calcula en segundo plano (y se puede cancelar),
// el resumen de metros, la pregunta de los cambios sin guardar y el archivo guardado.

#include <QAbstractItemModel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

#include <tuple>

#include "banco_ventanas.h"
#include "modelo_tramos.h"
#include "ventana_tramos.h"

class PruebaTramos : public BancoVentanas {
    Q_OBJECT

    QTemporaryDir carpeta;

    // Zanja de 1.5 m con arena arcillosa, tubo de 500 mm (De 0.6 m), cama de
    // 120º y Fa 2.8, sin el aviso del espesor: el caso base de todas las filas.
    void Base()
    {
        p->InstalacionIndex = 0, p->Tipo = 5, p->TaludDefinido = true;
        p->b = 1.5, p->De = 0.6, p->Es = 0.05, p->Di = 0.5, p->hr = 2, p->Resguardo = 0.3;
        p->RellenoIndex = 2, p->BaseIndex = 1, p->TraficoIndex = p->CarreteraIndex = 0;
        p->Fa = 2.8, p->ModoCalculo = 1, p->AvisoEspesor = 0;
    }

    // Tres tramos de 500 mm; el tercero, bajo 12 m de relleno.
    QString TablaCorta(const QString& nombre = "tramos.csv")
    {
        return Escribe(carpeta.filePath(nombre), "Tramo;PK inicial;PK final;hr\n"
                                                 "T1;0;100;1,5\n"
                                                 "T2;100;250,5;3\n"
                                                 "\n"
                                                 "T3;250,5;300;12\n");
    }

    // Una tabla larga: tantas filas que el cálculo dura lo bastante para cancelarlo.
    QString TablaLarga(int filas)
    {
        QByteArray texto = "Tramo;PK inicial;PK final;hr\n";
        for (int i = 0; i < filas; ++i)
            texto += QString("L%1;%2;%3;%4\n")
                         .arg(i)
                         .arg(i * 10)
                         .arg(i * 10 + 10)
                         .arg(1 + i % 9)
                         .toUtf8();
        return Escribe(carpeta.filePath("larga.csv"), texto);
    }

    static QString Ve(const ModeloTramos& m, int fila, int columna)
    {
        return m.data(m.index(fila, columna)).toString();
    }
    static QString Ve(const ModeloTramos& m, int fila, ColumnaResultado columna)
    {
        return Ve(m, fila, m.Columna(columna));
    }
    static QString Resumen(const TTramos& v)
    {
        return v.findChild<QPlainTextEdit*>("ResumenTramos")->toPlainText();
    }
    static void Espera(const TTramos& v)
    {
        QTRY_VERIFY_WITH_TIMEOUT(!v.Modelo().Calculando(), 60000);
    }

private slots:
    BANCO_VENTANAS_INIT_CLEANUP

    // La orden del menú abre la ventana sobre el caso de la ventana principal.
    void Menu()
    {
        QString caso;
        QCOMPARE(AbreCon([&] { Hijo<QAction>(f, "TramosMenu")->trigger(); },
                         [&](QWidget* v) {
                             caso = v->windowTitle() + " · " + Hijo<QLabel>(v, "LCasoBase")->text();
                         }),
                 QString("TTramos"));
        QCOMPARE(caso, QString("Tramos · Caso base: (sin guardar)"));
    }

    // Leer una tabla la calcula entera y suma los metros de cada diámetro y clase. Su
    // nombre se ve tal cual, aunque parezca HTML (una imagen leería el archivo "fifo").
    void AbreTabla()
    {
        Base();
        TTramos v(*p, guion);
#ifdef Q_OS_WIN
        const QString nombre = "&lt;b&gt;tramos.csv";  // Windows no admite < ni >
#else
        const QString nombre = "<img src=fifo><b>tramos.csv";
#endif
        guion.nombres = {TablaCorta(nombre)};
        v.AbrirClick();
        Espera(v);
        QLabel* tabla = Hijo<QLabel>(&v, "LTabla");
        QVERIFY(tabla->text().contains(nombre));
        QCOMPARE(tabla->textFormat(), Qt::PlainText);
        const ModeloTramos& m = v.Modelo();
        QCOMPARE(m.rowCount(), 3);
        QStringList clases;
        for (int fila = 0; fila < 3; ++fila)
            clases << Ve(m, fila, ColumnaResultado::Une) + "/" +
                          Ve(m, fila, ColumnaResultado::Astm);
        QCOMPARE(clases.join(" "), QString("90/I 90/I 180/IV"));
        QCOMPARE(Resumen(v), QString("UNE 127.010\n"
                                     "Di (mm)  Clase        Metros\n"
                                     "500      90           250.50\n"
                                     "500      180           49.50\n"
                                     "Total                 300.00\n"
                                     "\n"
                                     "ASTM C76M\n"
                                     "Di (mm)  Clase        Metros\n"
                                     "500      I            250.50\n"
                                     "500      IV            49.50\n"
                                     "Total                 300.00"));
        QVERIFY(guion.vistos.isEmpty());
    }

    // Editar una celda rehace esa fila al momento, como la orden de cálculo con
    // esos datos, y lo que el cálculo en segundo plano traiga después de ella no
    // lo pisa; una celda mala deja la fila sin clase, fuera del resumen.
    void EditaCelda()
    {
        const QString malo = "Línea 2, columna «hr»: «%1» no es un número";
        // hr tecleada, carga, clase UNE y notas.
        const std::tuple<QString, QString, QString, QString> casos[] = {
            {"2.5", "46.59", "90", ""},
            {"2,5", "46.59", "90", ""},
            {"2,,5", "", "—", malo.arg("2,,5")},
            {"dos", "", "—", malo.arg("dos")}};
        for (const auto& [hr, carga, une, notas] : casos) {
            Base();
            TTramos v(*p, guion);
            QVERIFY(v.AbreTabla(TablaCorta()));
            ModeloTramos& m = v.Modelo();
            QVERIFY(m.setData(m.index(0, 3), hr));
            Espera(v);
            QCOMPARE(
                QStringList({Ve(m, 0, 3), Ve(m, 0, ColumnaResultado::Carga),
                             Ve(m, 0, ColumnaResultado::Une), Ve(m, 0, ColumnaResultado::Notas)}),
                QStringList({hr, carga, une, notas}));
            const bool error = !notas.isEmpty();
            const QVariant letra =
                m.data(m.index(0, m.Columna(ColumnaResultado::Notas)), Qt::ForegroundRole);
            QCOMPARE(letra.isValid() && letra.value<QBrush>().color() == Qt::red, error);
            QCOMPARE(Resumen(v).contains("1 tramo sin clase: no cuenta en los metros"), error);
            QVERIFY(m.Modificada());
        }
    }
    // Cancelar detiene el cálculo: lo que falta queda sin calcular (fuera del
    // resumen, sin contar como sin clase) hasta editarlo. Una fila editada
    // mientras se calcula conserva lo editado; el anejo espera a las filas que
    // faltan y las calcula, y cerrar con el cálculo en marcha lo detiene.
    void CancelaCalculo()
    {
        Base();
        auto v = std::make_unique<TTramos>(*p, guion);
        v->show();
        QVERIFY(v->AbreTabla(TablaLarga(4000)));
        ModeloTramos& m = v->Modelo();
        QVERIFY(m.Calculando());
        QVERIFY(v->findChild<QProgressBar*>("ProgresoTramos")->isVisible());
        QVERIFY(m.setData(m.index(3999, 3), "x"));
        Hijo<QPushButton>(v.get(), "CancelaTramos")->click();
        QVERIFY(!m.Calculando());
        QVERIFY(!v->findChild<QProgressBar*>("ProgresoTramos")->isVisible());
        const int pendientes = m.SinCalcular();
        QVERIFY(pendientes > 0);
        QCOMPARE(m.SinClase(1), 1);  // la editada
        QCOMPARE(Ve(m, 3998, ColumnaResultado::Notas), QString("sin calcular"));
        QCOMPARE(Ve(m, 3998, ColumnaResultado::Une), QString("—"));
        QVERIFY(Resumen(*v).endsWith(QString("%1 tramos sin calcular").arg(pendientes)));
        QVERIFY(m.setData(m.index(3998, 3), "2"));
        QVERIFY(Ve(m, 3998, ColumnaResultado::Une) != "—");
        QCOMPARE(Ve(m, 3999, ColumnaResultado::Notas),
                 QString("Línea 4001, columna «hr»: «x» no es un número"));

        v->AnejoClick();
        QVERIFY(m.Calculando());
        QTest::qWait(50);
        v.reset();
        QCOMPARE(guion.Textos(), QStringList{QString("Faltan %1 tramos de calcular. El anejo se "
                                                     "podrá escribir cuando estén todos.")
                                                 .arg(pendientes - 1)});
    }

    // Con cambios sin guardar, salir pregunta: Sí guarda, No descarta,
    // Cancelar sigue en la tabla. Guardada, la tabla pierde su línea en blanco
    // y los errores dicen la línea nueva de su fila.
    void CierraConCambios()
    {
        // Respuesta, si sigue abierta, si se guardó y la línea del error que queda.
        const std::tuple<int, bool, bool, int> casos[] = {{RespuestaSi, false, true, 4},
                                                          {RespuestaNo, false, false, 5},
                                                          {RespuestaCancelar, true, false, 5}};
        for (const auto& [respuesta, abierta, guardada, linea] : casos) {
            Base();
            TTramos v(*p, guion);
            v.show();
            QVERIFY(v.AbreTabla(TablaCorta()));
            Espera(v);
            v.Modelo().setData(v.Modelo().index(2, 3), "x");
            guion.vistos.clear();
            guion.respuestas = {respuesta};
            v.close();
            QCOMPARE(guion.Textos(), QStringList{"¿Guardar los cambios de la tabla de tramos?"});
            QCOMPARE(v.isVisible(), abierta);
            QCOMPARE(BytesDe(v.Archivo()).endsWith("\r\nT3;250,5;300;x\r\n"), guardada);
            QCOMPARE(v.Modelo().Modificada(), !guardada);
            QCOMPARE(Ve(v.Modelo(), 2, ColumnaResultado::Notas),
                     QString("Línea %1, columna «hr»: «x» no es un número").arg(linea));
        }
    }

    // Guardar escribe ";" y coma decimal (con marca UTF-8); un camino imposible
    // lo dice y deja la tabla como modificada.
    void Guarda()
    {
        for (const QString nombre : {"guardada.csv", "no/existe/guardada.csv"}) {
            const bool bien = !nombre.contains('/');
            Base();
            TTramos v(*p, guion);
            v.AnadeTramoClick();
            ModeloTramos& m = v.Modelo();
            for (const auto& [columna, texto] :
                 {std::pair{0, "Uno; dos"}, {1, "0"}, {2, "12.5"}, {3, "700"}, {4, "2.25"}})
                m.setData(m.index(0, columna), texto);
            const QString archivo = carpeta.filePath(nombre);
            guion.vistos.clear();
            guion.propuestos.clear();
            guion.nombres = {archivo};
            QCOMPARE(v.GuardarClick(), bien);
            QCOMPARE(guion.propuestos, QStringList{"tramos.csv"});
            QCOMPARE(guion.Textos(), bien ? QStringList()
                                          : QStringList{"No se ha podido guardar el archivo " +
                                                        archivo + ": la carpeta no existe."});
            QCOMPARE(m.Modificada(), !bien);
            if (bien) {
                QCOMPARE(QString::fromUtf8(BytesDe(archivo)),
                         QString("\uFEFFTramo;PK inicial;PK final;Di;hr\r\n"
                                 "\"Uno; dos\";0;12,5;700;2,25\r\n"));
                QCOMPARE(v.Archivo(), archivo);
            }
        }
    }

    // Las mediciones (con o sin tabla de precios) y el perfil de la tabla
    // calculada, con las clases de la norma del perfil; lo que no se mide o no
    // tiene precio se dice al terminar, y un destino imposible, en un error.
    void Exporta()
    {
        const QString sinPrecio =
            "Mediciones exportadas a tramos.bc3.\n\nSin precio en la tabla, a "
            "0 €/m: Tubo de hormigón armado DN 500 clase 180 (UNE 127.010)";
        const struct {
            bool perfil;
            int respuesta;  // a la pregunta de los precios
            QByteArray precios;
            QString destino;
            QByteArray contiene;
            QString mensaje;
        } casos[] = {
            {false, RespuestaNo, "", "tramos.bc3",
             "~M|UNE#\\UNE_500_90|1\\1\\|250.5|\\T1: PK 0+000 a 0+100\\1\\100", ""},
            {false, RespuestaSi, "Di;Clase;Precio\n500;90;61,5\n", "tramos.bc3",
             "~C|UNE_500_90|m|Tubo de hormig\xF3n armado DN 500 clase 90 (UNE 127.010)|61.5||0|",
             sinPrecio},
            {true, 0, "", "tramos.dxf", "CLASE_180", ""},
            {false, RespuestaNo, "", "no/existe/tramos.bc3", "",
             "No se ha podido guardar el archivo %1: la carpeta no existe."}};
        for (const auto& c : casos) {
            Base();
            TTramos v(*p, guion);
            QVERIFY(v.AbreTabla(TablaCorta()));
            Espera(v);
            const QString archivo = carpeta.filePath(c.destino);
            guion.respuestas = c.perfil ? QList<int>() : QList<int>{c.respuesta};
            guion.nombres = {archivo};
            if (!c.precios.isEmpty())
                guion.nombres.prepend(Escribe(carpeta.filePath("precios.csv"), c.precios));
            guion.vistos.clear();
            Hijo<QAction>(&v, c.perfil ? "ExportarPerfilDxf" : "ExportarBc3")->trigger();
            QCOMPARE(guion.propuestos.last(),
                     carpeta.filePath(c.perfil ? "tramos.dxf" : "tramos.bc3"));
            QStringList vistos = guion.Textos();
            if (!c.perfil)
                vistos.removeFirst();  // la pregunta de los precios
            const QString mensaje = c.mensaje.contains("%1") ? c.mensaje.arg(archivo) : c.mensaje;
            QCOMPARE(vistos, mensaje.isEmpty() ? QStringList{} : QStringList{mensaje});
            QCOMPARE(QFile::exists(archivo), !c.contiene.isEmpty());
            QVERIFY(BytesDe(archivo).contains(c.contiene));
            QFile::remove(archivo);
        }
    }

    // La página impresa lleva el título, el caso base y el resumen entero.
    void ExportaPdf()
    {
        Base();
        TTramos v(*p, guion);
        v.show();
        QVERIFY(v.AbreTabla(TablaCorta()));
        Espera(v);
        const QString pdf = carpeta.filePath("tramos.pdf");
        guion.nombres = {pdf};
        v.ExportarPdfClick();
        QCOMPARE(guion.propuestos, QStringList{carpeta.filePath("tramos.pdf")});
        QCOMPARE(FaltanEnPdf(pdf, {"Tramos de la conducción", "Caso base: (sin guardar)",
                                   "UNE 127.010", "500 90", "500 180", "ASTM C76M", "500 IV",
                                   "250.50", "49.50", "300.00"}),
                 QStringList());
    }
};

QTEST_MAIN(PruebaTramos)
#include "tramos_test.moc"
