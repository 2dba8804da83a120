#pragma once
// TForm1: la ventana principal. Muestra el registro del proyecto entero y lo
// mantiene al día con sus controles a cada pulsación. Sus manejadores están
// repartidos por asunto: form1_controles.cpp (la construcción),
// form1_entradas.cpp (las casillas numéricas), form1_comprobaciones.cpp (las
// comprobaciones geométricas), form1_listas.cpp (las listas) y
// form1_archivo.cpp (las órdenes del menú Archivo) y form1_calculos.cpp (los
// botones y órdenes que abren los diálogos y las ventanas de cálculo).

#include <QMainWindow>
#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

#include "comprobaciones.h"
#include "interlocutor.h"
#include "numero.h"

struct Proyecto;
struct EleccionCama;
struct EleccionClase;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTimer;
class QWidget;
class Croquis;
class TFVariables;

class TForm1 : public QMainWindow, public Interlocutor {
    Q_OBJECT
public:
    explicit TForm1(Proyecto& proyecto, QWidget* padre = nullptr);

    // Escribe el registro en los controles (sin marcar el proyecto modificado).
    void PintaVariables();
    // Marcas de "Activar avisos " y "Desactivar avisos" según los interruptores del registro.
    void PintaAvisos();
    // Devuelve el registro a sus valores iniciales, con la parte de la ventana.
    void InicializaDatos();

    // Órdenes de los menús.
    void AbrirClick();
    void LimpiarDatos1Click();
    void GuardarClick();
    void Guardarcomo1Click();
    void Imprimir1Click();
    void SalirClick();
    void Activarmensajes1Click();
    void Desactivarmensajes1Click();
    void DatosdelaObra1Click();
    void Acercade2Click();
    void modificar();

    // Botones "&Obtener" (diálogo del talud) y "&Predefinidos" (diálogos de apoyo).
    void Button1Click();
    void Button2Click();

    // Órdenes del menú Cálculos: las hojas de resultados (tag 0 UNE, 1 ASTM) y la memoria.
    void CalculartodoClick(int tag);
    void CalcularSoloCarga();
    void CalcularClaseResistenteUNE();
    void CalcularClaseResistenteASTM();
    void Calcular();
    // Anejo de cálculo en PDF del caso de la ventana.
    void AnejoCalculoClick();
    // Sección transversal del caso de la ventana en un dibujo DXF.
    void ExportarSeccionClick();
    // Curva de la clase según la altura de relleno: los rechazos de la memoria, sin corregir nada.
    void ClaseSegunAltura();
    // Tabla de tramos de una conducción sobre una copia del caso de la ventana.
    void TramosClick();

    // Cambio de página de instalación.
    void TabbedNotebook1Click();

    // Manejadores de cambio de las casillas.
    void EditDiChange();
    void EditEsChange();
    void EditHrChange();
    void EditH1rChange();
    void EditH2rChange();
    void EditB2Change();
    void EditHr2Change();
    void EditBChange();
    void EFapChange();
    void EditFiChange();
    void EditFi1Change();
    void EditGammaChange();
    void EditDChange();
    void EditQpChange();
    void EditQsChange();
    void EditdhChange();
    void EditNViasChange();
    void EditVTrenChange();
    void EditPqChange();

    // Comprobaciones al salir de las casillas (y antes de calcular).
    void CompruebaHr();
    void CompruebaB();
    void CompruebaEs();
    void EditH1rExit();
    void EditH2rExit();
    void EditHr2Exit();
    void EditB2Exit();
    void RecalculaFa();

    // Listas.
    void ComboRellenoChange();
    void ComboBaseChange();
    void ComboCompactadorChange();
    void TabTraficoClick();
    void ComboCarreteraChange();
    void ComboViaChange();
    void ComboBox1Change();
    void ComboAeropuertoChange();
    void PintaCargaTrafico();
    void PintaSentidoVia();
    // Muestra la carga del compactador (kN/m) y la devuelve.
    double PintaCompactacion();

    // Pregunta de altura mínima del tráfico ferroviario y aéreo: con Sí pone hr a 1.
    bool SubeAlturaRelleno(const std::string& pregunta) override;
    // Los mensajes de las órdenes y comprobaciones del motor, en cuadros de mensaje.
    void Avisa(const Aviso& aviso) override;
    bool Pregunta(const Aviso& pregunta) override;

    // Título de la ventana con el nombre del archivo.
    void PonTitulo(const QString& archivo);

    // Rehace la línea de la clase en vivo cuando vuelva el bucle de eventos
    // (varias llamadas seguidas, una sola cuenta).
    void ProgramaClaseEnVivo();

    // La ventana de variables del programa, que abre el "Acerca de"; la pone main().
    TFVariables* FVariables = nullptr;
    // main() la enciende: la presentación sale al mostrarse la ventana por
    // primera vez. Apagada (las pruebas), la ventana arranca sin ella.
    bool ConPresentacion = false;

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void CreaMenus();
    void CreaControles();
    void ConectaControles();
    QWidget* CreaInstalacion();
    QWidget* CreaTubo();
    QWidget* CreaApoyo();
    QWidget* CreaRelleno();
    QWidget* CreaSobrecargas();
    QWidget* CreaTrafico();

    // Lectura de casillas.
    std::vector<std::pair<QLineEdit*, void (TForm1::*)()>> Casillas() const;
    NumeroTecleado Lee(const QString& texto) const;
    // Acaba lo que quede a medio escribir en la casilla control (al salir de
    // ella o antes de una orden de menú).
    void TerminaTecleo(QObject* control);
    // Lee la casilla del campo de clave dada (la del archivo) en campo; si era
    // válida, marca el proyecto modificado y da true.
    bool LeeDirecta(QLineEdit* caja, int clave, double& campo);
    // El texto de la casilla con lo que el motor dice de él.
    LecturaCampo LeeCampoCasilla(const QString& texto, int clave, double guardado) const;
    void Rellena(QLineEdit* caja, double valor);
    // Cada casilla numérica con el valor del registro que muestra (Di y Es en mm).
    std::vector<std::pair<QLineEdit*, double>> ValoresCasillas() const;
    // Las casillas que no muestran lo que el registro tiene, rehechas sin
    // pasar por sus manejadores (tras una corrección del motor).
    void PintaCasillas();
    // Al salir de una casilla con un número válido, lo escribe como TextoNumero.
    void NormalizaCasilla(QObject* control);
    // La casilla del campo de esa clave del archivo; nullptr si no la hay.
    QWidget* CasillaDeClave(int clave) const;
    void PintaRelleno();
    void MuestraRozamientoParamentos();
    void PintaPaneles();
    bool Guarda(const QString& nombre);
    // Corrección de hr2 al salir de EditB2 o EditHr2; foco: la casilla a la que vuelve.
    void AplicaCorreccionHr2(QLineEdit* foco);
    void CalculaModo(std::uint8_t modo);
    // Lo elegido en los diálogos de "Predefinidos", en el registro y las casillas.
    void AplicaCama(const EleccionCama& cama);
    void AplicaClaseTerraplen(const EleccionClase& clase);
    // La línea de estado con la clase en vivo (form1_clase.cpp).
    void CreaClaseEnVivo();
    void PintaClaseEnVivo();
    void RecortaClaseEnVivo();
    bool FiltraClaseEnVivo(QObject* objeto, QEvent* evento);

    Proyecto& p_;
    bool mostrada_ = false;
    bool saliendo_ = false;  // se está saliendo de una casilla

    // Controles, con los nombres del programa. Sus objectName son los mismos:
    // las pruebas los buscan por ellos.
    QTabWidget* TabbedNotebook1;
    Croquis* Image1;
    Croquis* Image2;
    Croquis* Image3;
    Croquis* Image4;
    QLineEdit* EditH2r;
    QLineEdit* EditB2;
    QLineEdit* EditHr2;
    QComboBox* EditDi;
    QLineEdit* EditEs;
    QLineEdit* EditDe;
    QLineEdit* EditHr;
    QWidget* PanelH1r;
    QLineEdit* EditH1r;
    QWidget* PanelB;
    QLineEdit* EditB;
    QPushButton* Button1;
    QLineEdit* EFap;
    QLabel* claseFa;
    QPushButton* Button2;
    QLabel* LClaseTerraplen;
    QComboBox* ComboBase;
    QComboBox* ComboRelleno;
    QWidget* PanelRellenoUsuario;
    QLabel* LRU1;
    QLabel* Label33;
    QLabel* Label35;
    QLineEdit* EditFi1;
    QLineEdit* EditFi;
    QLineEdit* EditGamma;
    QWidget* PanelNoRellenoUsuario;
    QLabel* lmrelleno;
    QLabel* LLambdami;
    QLabel* LPeso;
    QLineEdit* EditQp;
    QLineEdit* EditD;
    QLineEdit* EditQs;
    QComboBox* ComboCompactador;
    QLineEdit* EditPq;
    QLabel* Lab_comp;
    QLabel* Lqt;
    QTabWidget* TabTrafico;
    QComboBox* ComboCarretera;
    QComboBox* ComboVia;
    QComboBox* ComboBox1;
    QLabel* Label42;
    QLabel* Label46;
    QLabel* Label49;
    QLineEdit* Editdh;
    QLineEdit* EditNVias;
    QLineEdit* EditVTren;
    QComboBox* ComboAeropuerto;

    QLabel* LClaseEnVivo = nullptr;
    QTimer* relojClase_ = nullptr;
    QString textoClase_;  // la línea entera; el rótulo la recorta a su anchura

    // Opciones de menú que otros pasos consultan.
    QAction* Activarmensajes1;
    QAction* Desactivarmensajes1;
};
