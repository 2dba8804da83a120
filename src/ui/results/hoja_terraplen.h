#pragma once
// TResultadoTerraplen: la hoja de resultados del terraplén y la zanja
// inducida. Una fila por clase de apoyo (A, B y C) y una columna por relleno;
// el icono de cada clase abre su croquis ampliado con sus medidas.

#include "hoja_comun.h"

class QFrame;

class TResultadoTerraplen : public THojaResultados {
    Q_OBJECT
public:
    TResultadoTerraplen(Proyecto& proyecto, Dialogos& dialogos, Interlocutor& interlocutor,
                        QWidget* padre = nullptr);

    // Croquis ampliado de la clase 1..3 (A..C) con sus medidas, en el panel.
    void ImageClick(int fila);
    // Cierra el panel de zoom.
    void BCerrarClick();

    QFrame* Panel;
    Croquis* ImagenPanel;
    QLabel* L1;  // anchura de la cama b
    QLabel* L2;  // h'r
    QLabel* L3;  // altura de la cuna a
    QLabel* L4;  // espesor bajo el tubo c
    QPushButton* BCerrar;

protected:
    QString Titulo() const override;
    void AntesDeImprimir() override;
    void DespuesDeImprimir() override {}
    void Zoom(int fila) override { ImageClick(fila); }
    void showEvent(QShowEvent* evento) override;

private:
    void CreaFilas();
    void CreaPanel();
    double Proyeccion() const;

    QLabel* tituloPanel_;
    QLabel* letras_[4];  // "b ≥", "h′r =", ... junto a L1..L4
};
