// Pruebas de la ventana principal: valores iniciales, casillas, comprobaciones,
// listas, avisos, ayuda y órdenes de cálculo (las de archivo, aparte).

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <tuple>

#include "ayuda.h"
#include "banco_ventanas.h"
#include "form1.h"
#include "numero.h"
#include "proyecto.h"

class PruebaForm1 : public BancoVentanas {
    Q_OBJECT

    QLineEdit* Casilla(const char* nombre) { return f->findChild<QLineEdit*>(nombre); }

private slots:
    BANCO_VENTANAS_INIT_CLEANUP

    void ValoresIniciales()
    {
        for (int vez = 0; vez < 2; ++vez) {
            // El registro por omisión lo prueba el motor; aquí, que la ventana lo muestra.
            QCOMPARE(p->Modificado, 0);
            QCOMPARE(f->windowTitle(), QString("Cálculo mecánico de tubos [ ]"));
            QCOMPARE(Lista("ComboRelleno")->currentText(), QString("Arena Arcillosa"));
            QCOMPARE(Lista("ComboCarretera")->currentText(),
                     QString("Carro tres ejes de 600 kN (60 t.)"));
            QCOMPARE(Caja("EditHr")->text(), QString("0"));
            QCOMPARE(Hijo<QLabel>(f, "LPeso")->text(), QString("19.2 kN/m3"));
            QVERIFY(!Caja("Editdh")->isVisible());
            QVERIFY(!Hijo<QWidget>(f, "PanelRellenoUsuario")->isVisible());
            QVERIFY(Hijo<QWidget>(f, "PanelB")->isVisible() &&
                    !Hijo<QWidget>(f, "PanelH1r")->isVisible());
            // El aviso de la carga del relleno empieza apagado: ninguna marca.
            QVERIFY(!Hijo<QAction>(f, "Activarmensajes1")->isChecked() &&
                    !Hijo<QAction>(f, "Desactivarmensajes1")->isChecked());
            // Sin talud elegido, ni la memoria ni el archivo lo citan.
            QCOMPARE(p->TaludDefinido, 0);
            // Después de editar, "Limpiar Datos" (con Aceptar) vuelve a lo mismo.
            Caja("EditHr")->setText("3");
            p->TaludDefinido = 1;  // como al elegir una anchura con su talud
            Lista("ComboRelleno")->setCurrentIndex(0);
            guion.respuestas = {RespuestaAceptar};
            f->LimpiarDatos1Click();
        }
        QCOMPARE(guion.Textos(), QStringList(2, "¿Seguro que quiere borrar todos los datos?"));
    }

    void Casillas_data()
    {
        QTest::addColumn<QString>("casilla");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("queda");
        QTest::addColumn<double>("valor");
        QTest::addColumn<int>("modificado");
        QTest::newRow("hr negativa") << "EditHr"
                                     << "-3"
                                     << "-3" << 3.0 << 1;
        QTest::newRow("gamma no válida") << "EditGamma"
                                         << "x"
                                         << "0" << 0.0 << 1;
        QTest::newRow("b no válida") << "EditB"
                                     << "abc"
                                     << "0" << 0.0 << 0;
        QTest::newRow("vías negativas") << "EditNVias"
                                        << "-3"
                                        << "10" << 10.0 << 1;
    }

    void Casillas()
    {
        QFETCH(QString, casilla);
        QFETCH(QString, texto);
        QFETCH(QString, queda);
        QFETCH(double, valor);
        QFETCH(int, modificado);
        const std::map<QString, double*> campos = {{"EditHr", &p->hr},
                                                   {"EditFi", &p->fi},
                                                   {"EditGamma", &p->gamma},
                                                   {"EditQp", &p->qp},
                                                   {"EditB", &p->b}};
        Casilla(qPrintable(casilla))->setText(texto);
        QCOMPARE(Casilla(qPrintable(casilla))->text(), queda);
        QCOMPARE(casilla == "EditNVias" ? double(p->NVias) : *campos.at(casilla), valor);
        QCOMPARE(int(p->Modificado), modificado);
    }

    void DiametroYEspesor()
    {
        Lista("EditDi")->setEditText("300");  // normalizado: trae su espesor
        QCOMPARE(p->Es, 0.05);
        QCOMPARE(p->De, 0.4);
        QCOMPARE(Caja("EditEs")->text(), QString("50"));
        QCOMPARE(Caja("EditDe")->text(), QString("400"));
        Lista("EditDi")->setEditText("abc");
        QCOMPARE(guion.vistos.size(), 1);
        QCOMPARE(guion.vistos[0].texto, QString("Valor no válido"));
        QCOMPARE(guion.vistos[0].titulo, QString("¡¡ Atención !!"));
        QCOMPARE(p->Di, 0.3);
        QCOMPARE(Lista("EditDi")->currentText(), QString("abc"));
        Caja("EditEs")->setText("x");  // el espesor no válido vuelve a su valor
        QCOMPARE(guion.vistos.size(), 2);
        QCOMPARE(Caja("EditEs")->text(), QString("50"));
    }

    void FactorDeApoyoTecleado()
    {
        Caja("EFap")->setText("2.3");
        QCOMPARE(p->Fa, 2.3);
        QCOMPARE(p->Tipo, 14);
        p->Tipo = 3;
        p->Modificado = 0;
        Caja("EFap")->setText("2.30");  // el mismo valor no cambia nada
        QCOMPARE(p->Tipo, 3);
        QCOMPARE(p->Modificado, 0);
        // Con una clase de terraplén, cambiar hr rehace Fa (como mucho 8) sin tocar el código.
        Lista("EditDi")->setEditText("1000");
        Hijo<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(3);
        Caja("EditB2")->setText("2");
        Caja("EditHr2")->setText("1");
        Caja("EditH1r")->setText("0.5481");
        Hijo<QLabel>(f, "claseFa")->setText("D");
        p->Tipo = 3;
        Caja("EditHr")->setText("3");
        QCOMPARE(Caja("EFap")->text(), QString("1.158"));
        QCOMPARE(p->Tipo, 3);
        Hijo<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(1);
        Caja("EditH1r")->setText("1.0962");
        Hijo<QLabel>(f, "claseFa")->setText("A");
        for (const auto& [hr, fap] : {std::pair{"0.711", "8"}, {"0.712", "7.996"}}) {
            Caja("EditHr")->setText(hr);
            QCOMPARE(Caja("EFap")->text(), QString(fap));
        }
        QVERIFY(qAbs(p->Fa - 7.996297713) < 1e-9);  // el valor entero, no el de la casilla
    }

    void VelocidadMaxima()
    {
        Caja("EditVTren")->setText("250");
        QCOMPARE(p->V, 200.0);
        QCOMPARE(Caja("EditVTren")->text(), QString("200"));
        QCOMPARE(guion.Textos(),
                 QStringList{"La máxima velocidad permitida en la Memoria es 200 km/h., "
                             "por lo que se corrige automáticante el valor."});
    }

    void AlturaMinima_data()
    {
        QTest::addColumn<int>("instalacion");
        QTest::addColumn<double>("h2r");
        QTest::addColumn<double>("hr2");
        QTest::addColumn<QString>("hr");
        QTest::addColumn<double>("queda");
        QTest::addColumn<QString>("frase");
        QTest::newRow("menos de 0.5")
            << 0 << 0.0 << 0.0 << "0.3" << 0.5 << "mayor o igual a 0.5 m, ";
        QTest::newRow("correcta") << 0 << 0.0 << 0.0 << "2" << 2.0 << "";
    }

    void AlturaMinima()
    {
        QFETCH(int, instalacion);
        QFETCH(double, h2r);
        QFETCH(double, hr2);
        QFETCH(QString, hr);
        QFETCH(double, queda);
        QFETCH(QString, frase);
        Lista("EditDi")->setEditText("1000");
        Hijo<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(instalacion);
        p->h2r = h2r;
        p->hr2 = hr2;
        Lista("ComboCarretera")->setCurrentIndex(0);
        guion.vistos.clear();
        Caja("EditHr")->setText(hr);
        f->CompruebaHr();
        QCOMPARE(p->hr, queda);
        QCOMPARE(Caja("EditHr")->text(), QString::fromStdString(TextoNumero(queda)));
        if (frase.isEmpty()) {
            QVERIFY(guion.vistos.isEmpty());
        } else {
            QCOMPARE(guion.vistos.size(), 1);
            QCOMPARE(guion.vistos[0].texto,
                     "Para garantizar un correcto reparto de las cargas, hr debe ser " + frase +
                         " por lo que se corrige automáticante el valor.");
            QCOMPARE(guion.vistos[0].titulo, QString("Aviso"));
        }
    }

    void ZanjaInducida()
    {
        Lista("EditDi")->setEditText("600");
        Hijo<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(3);
        Caja("EditHr")->setText("2");
        Caja("EditB2")->setText("1.2");
        Caja("EditHr2")->setText("3");
        guion.vistos.clear();
        f->EditHr2Exit();
        QCOMPARE(p->hr, 3.1);
        QCOMPARE(p->hr2, 2.3);
        QCOMPARE(Caja("EditHr2")->text(), QString("2.3"));
        QCOMPARE(guion.vistos.size(), 2);
        QVERIFY(guion.vistos[1].texto.startsWith("hr2 debe ser como maximo dos veces"));
        Caja("EditB2")->setText("0.5");  // menor que De: pasa a De escrito entero
        guion.vistos.clear();
        f->EditB2Exit();
        QCOMPARE(p->b2, p->De);
        QCOMPARE(Caja("EditB2")->text(), QString("0.75"));
        QCOMPARE(
            guion.vistos[0].texto,
            QString("B2 ha de ser un valor como mínimo igual al diámetro exterior de la tubería."));
        // Con b2 = 0.03, 2·b2 − 0.1 sería negativo: hr2 se queda y se pide b2.
        Caja("EditB2")->setText("0.03");
        Caja("EditHr2")->setText("0.5");
        guion.vistos.clear();
        f->EditHr2Exit();
        QCOMPARE(p->hr2, 0.5);
        QCOMPARE(Caja("EditHr2")->text(), QString("0.5"));
        QCOMPARE(guion.Textos(),
                 QStringList{"hr2 debe ser como máximo dos veces la anchura de la zanja "
                             "inducida (b2): introduzca una anchura b2 mayor."});
    }

    // La letra de la clase de terraplén, solo para un código de clase (0..3).
    void LetraDeClaseTerraplen()
    {
        for (const auto& [tipo, letra] : {std::pair{2, "C"}, {3, "D"}, {-100, ""}, {14, ""}}) {
            p->Tipo = static_cast<std::int8_t>(tipo);
            f->PintaVariables();
            QCOMPARE(Hijo<QLabel>(f, "LClaseTerraplen")->text(), QString(letra));
        }
    }

    void AlturaSobreBaseTerraplen()
    {
        Lista("EditDi")->setEditText("1000");
        Hijo<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(1);
        Caja("EditH1r")->setText("2");
        guion.vistos.clear();
        f->EditH1rExit();
        QCOMPARE(p->hr1, p->De);
        QCOMPARE(Caja("EditH1r")->text(), QString("1.218"));
        QCOMPARE(guion.Textos(),
                 QStringList{"h´r debe ser menor o igual al diámetro exterior (De) del tubo, "
                             "por lo que se corrige automáticante el valor."});
    }

    void AvisoDeEspesor()
    {
        Lista("EditDi")->setEditText("600");
        Caja("EditEs")->setText("60");
        Caja("EditHr")->setText("2");
        const QString aviso =
            "La Norma UNE 127.100 recomienda un espesor de pared mínimo de 75 mm. "
            "¿Quiere mantener activado este aviso?";
        guion.vistos.clear();
        guion.respuestas = {RespuestaNo};
        f->CompruebaEs();
        f->CompruebaEs();  // silenciado
        QCOMPARE(guion.Textos(), QStringList{aviso});
        QCOMPARE(p->AvisoEspesor, 0);
        f->Activarmensajes1Click();
        guion.respuestas = {RespuestaSi};
        f->CompruebaEs();
        QCOMPARE(guion.Textos(), (QStringList{aviso, aviso}));
        QCOMPARE(p->AvisoEspesor, 1);
        QCOMPARE(p->Es, 0.06);  // el espesor no se corrige
    }

    void AnchuraDeZanja_data()
    {
        QTest::addColumn<double>("Di");
        QTest::addColumn<double>("De");
        QTest::addColumn<double>("b");
        QTest::addColumn<int>("respuesta");
        QTest::addColumn<QStringList>("textos");
        QTest::addColumn<double>("queda");
        const QStringList estrecha{
            "La zanja debe ser mayor que el diámetro exterior (De) del tubo. Se aconseja "
            "dejar 0.25m a ambos lados, para De=0.4m. ¿Desea que se corrija automáticamente?"};
        QTest::newRow("estrecha, se corrige")
            << 0.3 << 0.4 << 0.3 << int(RespuestaSi) << estrecha << 0.9;
        QTest::newRow("estrecha, no") << 0.3 << 0.4 << 0.3 << int(RespuestaNo) << estrecha << 0.3;
        QTest::newRow("consejo") << 0.6 << 0.78 << 1.2 << int(RespuestaSi)
                                 << QStringList{"Es recomendable mantener al menos 0.35 m. a ambos "
                                                "lados del tubo. ¿Quiere mantener "
                                                "activado este aviso?"}
                                 << 1.2;
    }

    void AnchuraDeZanja()
    {
        QFETCH(double, Di);
        QFETCH(double, De);
        QFETCH(double, b);
        QFETCH(int, respuesta);
        QFETCH(QStringList, textos);
        QFETCH(double, queda);
        p->Di = Di;
        p->De = De;
        p->b = b;
        if (respuesta)
            guion.respuestas = {respuesta};
        f->CompruebaB();
        QCOMPARE(guion.Textos(), textos);
        QCOMPARE(p->b, queda);
        if (queda != b)
            QCOMPARE(Caja("EditB")->text(),
                     QString::number(queda));  // la casilla muestra la corregida
    }

    void ListasYAlturaDeRelleno_data()
    {
        QTest::addColumn<QString>("lista");
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("hr");
        QTest::addColumn<QString>("mensaje");
        const QString carretera =
            "Para la determinación de la carga producida por el tráfico automovilístico es "
            "recomendable que hr sea no menor de 1m.";
        const QString avion =
            "En la determinación de la carga producida por el tráfico aéreo  se recomienda que "
            "la altura de relleno (hr) tenga un valor no menor de 1.5 m.";
        const QString tren =
            "En la determinación de la carga ferroviaria  se recomienda que la altura de relleno "
            "(hr) tenga un valor no menor de 1.5 m.";
        QTest::newRow("carretera a 0.8") << "ComboCarretera" << 1 << "0.8" << carretera;
        QTest::newRow("avión a 1.2") << "ComboAeropuerto" << 1 << "1.2" << avion;
        QTest::newRow("tren a 1.2") << "ComboVia" << 1 << "1.2" << tren;
    }

    void ListasYAlturaDeRelleno()
    {
        QFETCH(QString, lista);
        QFETCH(int, indice);
        QFETCH(QString, hr);
        QFETCH(QString, mensaje);
        Lista("ComboCarretera")->setCurrentIndex(0);
        Caja("EditHr")->setText(hr);
        guion.vistos.clear();
        f->findChild<QComboBox*>(lista)->setCurrentIndex(indice);
        QCOMPARE(guion.Textos(), mensaje.isEmpty() ? QStringList{} : QStringList{mensaje});
    }

    void PreguntaFerroviaria()
    {
        TuboNormal();
        Hijo<QTabWidget>(f, "TabTrafico")->setCurrentIndex(1);
        Caja("EditNVias")->setText("1");
        Caja("EditHr")->setText("0.8");
        const QString antes = Hijo<QLabel>(f, "Lqt")->text();
        guion.vistos.clear();
        guion.respuestas = {RespuestaNo};
        Lista("ComboVia")->setCurrentIndex(1);
        QCOMPARE(p->hr, 0.8);
        QCOMPARE(Hijo<QLabel>(f, "Lqt")->text(), antes);  // con No no se refresca
        QCOMPARE(guion.vistos.size(), 1);
        QCOMPARE(guion.vistos[0].botones, BotonesSiNo | IconoPregunta);
        guion.respuestas = {RespuestaSi};
        Lista("ComboVia")->setCurrentIndex(2);
        QCOMPARE(p->hr, 1.0);
        QCOMPARE(Caja("EditHr")->text(), QString("1"));
    }

    void RellenoYPaginas()
    {
        Hijo<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(1);  // terraplén
        Lista("ComboRelleno")->setCurrentIndex(5);
        QVERIFY(Hijo<QWidget>(f, "PanelRellenoUsuario")->isVisible());
        QVERIFY(!Caja("EditFi1")->isVisible() && !Hijo<QLabel>(f, "LRU1")->isVisible());
        Caja("EditFi")->setText("30");
        QCOMPARE(p->fi1, 30.0);  // sin paramentos, el rozamiento es el interno
        Hijo<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(0);
        QVERIFY(Caja("EditFi1")->isVisible());
        Caja("EFap")->setText("2");
        Hijo<QTabWidget>(f, "TabbedNotebook1")
            ->setCurrentIndex(3);  // otra vez sin paramentos: datos a cero
        QCOMPARE(p->fi, 0.0);
        QCOMPARE(p->gamma, 0.0);
        QCOMPARE(p->Fa, 0.0);
        QCOMPARE(Caja("EFap")->text(), QString("0"));
        QVERIFY(Hijo<QWidget>(f, "PanelH1r")->isVisible() &&
                !Hijo<QWidget>(f, "PanelB")->isVisible());
        QCOMPARE(Hijo<QLabel>(f, "lmrelleno")->text(), QString("λμ ="));
    }

    void SentidoDeViaYCompactador()
    {
        Hijo<QTabWidget>(f, "TabTrafico")->setCurrentIndex(1);
        Lista("ComboBox1")->setCurrentIndex(0);
        QVERIFY(Caja("Editdh")->isVisible());
        Caja("Editdh")->setText("2");
        Lista("ComboBox1")->setCurrentIndex(1);
        QVERIFY(!Caja("Editdh")->isVisible() && !Hijo<QLabel>(f, "Label42")->isVisible());
        QCOMPARE(p->dh, 2.0);
        TuboNormal();
        Lista("ComboCompactador")->setCurrentIndex(1);
        Caja("EditPq")->setText("2");
        // 19.6·2·1.218/(3.141592·2) = 7.5996… se muestra truncado.
        QCOMPARE(Hijo<QLabel>(f, "Lab_comp")->text(), QString("7.59 kN/m"));
    }

    // Las marcas de Opciones dicen cómo están los tres interruptores: "Activar" con
    // los tres encendidos, "Desactivar" con los tres apagados, ninguna si difieren.
    void Avisos()
    {
        const std::tuple<std::function<void()>, int, const char*> pasos[] = {
            {[this] { f->Desactivarmensajes1Click(); }, 0, "D"},
            {[this] { f->LimpiarDatos1Click(); }, 2, ""},
            {[this] { f->Activarmensajes1Click(); }, 3, "A"},
            {[this] { f->LimpiarDatos1Click(); }, 2, ""},
            {[this] { f->Activarmensajes1Click(); }, 3, "A"},
            {[this] {
                 Lista("EditDi")->setEditText("600"), Caja("EditEs")->setText("60"),
                     p->Modificado = 0;
                 guion.respuestas = {RespuestaNo};
                 f->CompruebaEs();  // 60 mm < 75 mm; No calla el aviso de espesor
             },
             2, ""},
        };
        for (const auto& [paso, encendidos, marca] : pasos) {
            paso();
            QCOMPARE(p->AvisoCalculo + p->AvisoEspesor + p->AvisoAnchura, encendidos);
            QCOMPARE(QString(Hijo<QAction>(f, "Activarmensajes1")->isChecked() ? "A" : "") +
                         (Hijo<QAction>(f, "Desactivarmensajes1")->isChecked() ? "D" : ""),
                     QString(marca));
        }
    }

    void Ayuda()
    {
        // Toda página de ayuda que usa la ventana existe.
        for (int contexto : {0,   10,  11,  12,  13,  14,  15,  16,  21,  22,  23,  33,  105,
                             109, 110, 111, 112, 120, 121, 122, 123, 124, 125, 126, 127, 128})
            QVERIFY2(QFile::exists(QString(":/ayuda/%1.html").arg(contexto)),
                     qPrintable(QString::number(contexto)));
        InstalaTeclaAyuda(*qApp);
        f->activateWindow();
        Caja("EditHr")->setFocus();
        QTest::keyClick(Caja("EditHr"), Qt::Key_F1);
        QCOMPARE(VentanaAyuda::Unica().Contexto(), 125);
        Opcion(f.get(), "&Memoria de Cálculo")->trigger();
        QCOMPARE(VentanaAyuda::Unica().Contexto(), 33);
        Opcion(f.get(), "Ayuda")->trigger();
        QCOMPARE(VentanaAyuda::Unica().Contexto(), 0);
        QCOMPARE(ContextoAyuda(Lista("ComboVia")), 111);  // hereda el de su cuaderno
        VentanaAyuda::Unica().close();
    }

    void Predefinidos_data()
    {
        QTest::addColumn<int>("instalacion");
        QTest::addColumn<int>("relleno");
        QTest::addColumn<QString>("hr2");
        QTest::addColumn<QString>("abre");
        QTest::addColumn<QString>("mensaje");
        const QString sinZanja =
            "No se puede utilizar Predefinidos si la Altura de relleno (hr), la Anchura "
            "de la zanja (b2) o la Altura de la zanja (hr2) valen 0";
        const QString sinRelleno =
            "Si los datos del relleno son a definir por el usuario, asegurese de que "
            "los valores sean distintos de cero";
        QTest::newRow("zanja") << 0 << 2 << "0"
                               << "TClases"
                               << "";
        QTest::newRow("zanja terraplenada") << 2 << 5 << "0"
                                            << "TClases"
                                            << "";
        QTest::newRow("terraplén") << 1 << 2 << "0"
                                   << "TClasesTerra"
                                   << "";
        QTest::newRow("terraplén, relleno sin datos") << 1 << 5 << "0"
                                                      << "" << sinRelleno;
        QTest::newRow("zanja inducida sin hr2") << 3 << 2 << "0"
                                                << "" << sinZanja;
        QTest::newRow("zanja inducida") << 3 << 2 << "1"
                                        << "TClasesTerra"
                                        << "";
    }

    void Predefinidos()
    {
        QFETCH(int, instalacion);
        QFETCH(int, relleno);
        QFETCH(QString, hr2);
        QFETCH(QString, abre);
        QFETCH(QString, mensaje);
        TuboNormal();
        Hijo<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(instalacion);
        Lista("ComboRelleno")->setCurrentIndex(relleno);
        Caja("EditB2")->setText("1.5");
        Caja("EditHr2")->setText(hr2);
        guion.vistos.clear();
        QCOMPARE(AbreCon([this] { Hijo<QPushButton>(f, "Button2")->click(); }), abre);
        QCOMPARE(guion.Textos(), mensaje.isEmpty() ? QStringList{} : QStringList{mensaje});
    }

    void OrdenesDeCalculo_data()
    {
        QTest::addColumn<int>("orden");
        QTest::addColumn<int>("instalacion");
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<int>("modo");
        QTest::newRow("todo UNE, zanja") << 0 << 0 << "TResultadoZanjas" << 1;
        QTest::newRow("todo ASTM, zanja terraplenada") << 1 << 2 << "TResultadoZanjas" << 2;
        QTest::newRow("todo UNE, terraplén") << 0 << 1 << "TResultadoTerraplen" << 1;
        QTest::newRow("carga") << 2 << 0 << "TCalculos" << 0;
        QTest::newRow("clase UNE") << 3 << 0 << "TCalculos" << 1;
        QTest::newRow("clase ASTM, terraplén") << 4 << 1 << "TCalculos" << 2;
    }

    void OrdenesDeCalculo()
    {
        QFETCH(int, orden);
        QFETCH(int, instalacion);
        QFETCH(QString, ventana);
        QFETCH(int, modo);
        TuboNormal();
        Hijo<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(instalacion);
        Caja("EditH2r")->setText("0.5");
        Caja("EditB")->setText("2.6");
        Caja("EFap")->setText("1.9");
        guion.vistos.clear();
        const std::function<void()> ordenes[] = {
            [this] { f->CalculartodoClick(0); }, [this] { f->CalculartodoClick(1); },
            [this] { f->CalcularSoloCarga(); }, [this] { f->CalcularClaseResistenteUNE(); },
            [this] { f->CalcularClaseResistenteASTM(); }};
        QCOMPARE(AbreCon(ordenes[orden]), ventana);
        QCOMPARE(int(p->ModoCalculo), modo);
    }

    void CorreccionesAntesDeCalcular()
    {
        // Sin factor de apoyo la memoria no se abre; las hojas usan los suyos.
        TuboNormal();
        Caja("EditB")->setText("2.6");
        QCOMPARE(AbreCon([this] { f->CalcularSoloCarga(); }), QString());
        QCOMPARE(guion.Textos(), QStringList{"Debe indicar el Factor de Apoyo"});
        QCOMPARE(guion.vistos[0].titulo, QString("¡ Atención !"));
        QCOMPARE(AbreCon([this] { f->CalculartodoClick(0); }), QString("TResultadoZanjas"));

        // Con menos de 1 m de relleno el avión sale del cálculo, no de la lista.
        Lista("ComboCarretera")->setCurrentIndex(0);
        Caja("EditHr")->setText("0.8");
        Lista("ComboAeropuerto")->setCurrentIndex(1);
        Caja("EFap")->setText("1.9");
        guion.vistos.clear();
        AbreCon([this] { f->CalcularClaseResistenteUNE(); });
        QCOMPARE(p->AeropuertoIndex, 0);
        QCOMPARE(Lista("ComboAeropuerto")->currentText(), QString("DC 9 (900 kN)"));

        // Sin relleno, las hojas lo suben a 0.5 m con su aviso.
        Caja("EditHr")->setText("0");
        guion.vistos.clear();
        AbreCon([this] { f->CalculartodoClick(0); });
        QVERIFY(guion.Textos().contains(
            "Hr debe tomar un valor mayor o igual a 0.5, por lo que se corrige automáticamente"));
        QCOMPARE(p->hr, 0.5);
        QCOMPARE(Caja("EditHr")->text(), QString("0.5"));

        // Relleno de usuario con un dato nulo, aunque se teclee "0.0".
        Lista("ComboRelleno")->setCurrentIndex(5);
        Caja("EditFi")->setText("30");
        Caja("EditFi1")->setText("20");
        Caja("EditGamma")->setText("0.0");
        Caja("EditHr")->setText("2");
        guion.vistos.clear();
        QCOMPARE(AbreCon([this] { f->CalcularSoloCarga(); }), QString());
        QCOMPARE(guion.Textos().last(),
                 QString("Si los datos del relleno son a definir por el usuario, "
                         "asegurese de que los valores sean distintos de cero"));
    }

    void ZanjaInducidaAntesDeCadaOrden()
    {
        // b2, hr2 que queda y primer mensaje; sin b2 (0) no se calcula ni se escribe un hr2
        // negativo.
        const std::tuple<const char*, const char*, const char*> casos[] = {
            {"1", "1.9",
             "hr2 debe ser como maximo dos veces la anchura de la zanja inducida (b2), por lo que "
             "para "
             "realizar el cálculo se corregirá automáticante el valor."},
            {"0", "2.5", "Introduzca la anchura de la zanja inducida (b2) antes de calcular."}};
        for (const auto& [b2, hr2, mensaje] : casos)
            for (int orden = 0; orden < 2; ++orden) {
                TuboNormal();
                Hijo<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(3);
                Caja("EditHr")->setText("5");
                Caja("EditB2")->setText(b2);
                Caja("EditHr2")->setText("2.5");
                Caja("EFap")->setText("2");
                guion.vistos.clear();
                const QString abierta = AbreCon([this, orden = orden] {
                    orden == 0 ? f->CalcularSoloCarga() : f->CalculartodoClick(0);
                });
                QCOMPARE(abierta.isEmpty(), QString(b2) == "0");
                QCOMPARE(p->hr2, LeeNumero(hr2).valor);
                QCOMPARE(Caja("EditHr2")->text(), QString(hr2));
                QCOMPARE(guion.Textos().value(0), QString(mensaje));
                QCOMPARE(guion.vistos.value(0).titulo,
                         QString(abierta.isEmpty() ? "Aviso" : TituloPrograma));
            }
    }
};

QTEST_MAIN(PruebaForm1)
#include "form1_test.moc"
