#pragma once
// TResultadoZanjas: la hoja de resultados de la zanja y la zanja
// terraplenada. Una fila por cama de apoyo (once) y una columna por relleno;
// el icono de cada fila abre su croquis ampliado con sus medidas.

#include "hoja_comun.h"

class QFrame;

class TResultadoZanjas : public THojaResultados {
    Q_OBJECT
public:
    TResultadoZanjas(Proyecto& proyecto, Dialogos& dialogos, Interlocutor& interlocutor,
                     QWidget* padre = nullptr);

    // Croquis ampliado de la fila 1..11 con sus medidas, en el panel de zoom.
    void ImageClick(int fila);
    // Cierra el panel de zoom.
    void BCerrarClick();

    QLabel* LZoom;
    QFrame* Panel1;
    Croquis* ImagenPanel;
    QLabel* L1;  // altura mínima del relleno sobre la clave
    QLabel* L2;  // altura de la cuna
    QLabel* L3;  // "c", espesor de la cama bajo el tubo
    QLabel* LRelleno;
    QLabel* LBase;
    QLabel* LSuelo;
    QLabel* LRoca;
    QPushButton* BCerrar;

protected:
    QString Titulo() const override;
    void AntesDeImprimir() override;
    void DespuesDeImprimir() override;
    void Zoom(int fila) override { ImageClick(fila); }

private:
    void CreaFilas();
    void CreaPanel();

    QLabel* tituloPanel_;
    QLabel* letraCuna_;          // "a =" junto a L2
    QLabel* notaCama_;           // junto a L3
    QLabel* tituloBase_;         // encima de LBase
    bool imagenOculta_ = false;  // estado de ImagenPanel antes de imprimir
};
