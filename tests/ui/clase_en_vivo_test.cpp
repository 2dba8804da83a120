// La línea de la clase en vivo se rehace al teclear sin abrir ningún mensaje (que dice
// lo mismo que las órdenes lo prueba vias_test).

#include <QLabel>

#include "banco_ventanas.h"

class PruebaClaseEnVivo : public BancoVentanas {
    Q_OBJECT

    QLabel* Linea() const { return Hijo<QLabel>(f, "ClaseEnVivo"); }

private slots:
    BANCO_VENTANAS_INIT_CLEANUP

    // Cada tecla rehace la línea con lo ya leído; ninguna abre un mensaje.
    void AlTeclear()
    {
        guion.nombres = {CARPETA_EJEMPLOS "/zanja.txt"};
        f->AbrirClick();
        Reescribe(Caja("EditHr"), "3.2");
        QTRY_COMPARE(Linea()->toolTip(),
                     "Carga de cálculo 104.58 kN/m² · UNE 135 (hasta hr 4.77 m) · "
                     "ASTM IV (hasta hr 5.27 m)");
        QVERIFY(guion.vistos.isEmpty());
    }
};

QTEST_MAIN(PruebaClaseEnVivo)
#include "clase_en_vivo_test.moc"
