#pragma once
// TDatosObra: "Datos de la Obra", los tres textos descriptivos del proyecto
// (obra, sección tipo y cliente). Cada cambio pasa al registro en el acto, así
// que cerrar la ventana no pide nada.

#include <QDialog>

#include <cstddef>

struct Proyecto;
class QPlainTextEdit;
class TFVariables;

class TDatosObra : public QDialog {
    Q_OBJECT
public:
    // `variables` es la ventana de variables, que abre el "Acerca de ..." del menú.
    TDatosObra(Proyecto& proyecto, TFVariables* variables, QWidget* padre = nullptr);

    // Caracteres que admite cada texto.
    static constexpr int LongitudMaxima = 400;
    // Líneas de cada texto que pasan al registro.
    static constexpr std::size_t LineasObra = 5;
    static constexpr std::size_t LineasSeccion = 5;
    static constexpr std::size_t LineasCliente = 3;

    // Manejadores de cambio: copian el texto al registro y lo marcan modificado.
    void MObraChange();
    void MSeccionChange();
    void MClienteChange();

    // Órdenes del menú.
    void Salir1Click();
    void Acercade1Click();

    QPlainTextEdit* MObra;
    QPlainTextEdit* MSeccion;
    QPlainTextEdit* MCliente;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    Proyecto& p_;
    TFVariables* variables_;
};
