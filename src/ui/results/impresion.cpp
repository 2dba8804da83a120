#include "impresion.h"

// Provisional: la impresión se completa aparte.

void MarcaParaImprimir(QWidget*) {}
void MarcaComoMarco(QWidget*) {}
EscalaPagina CalculaEscala(int, int, int, int) { return {}; }
QRect MapeaRectangulo(const QRect& r, const EscalaPagina&) { return r; }
std::vector<QString> CortaEnTrozos(const QString& texto) { return {texto}; }
std::vector<TrozoColocado> ColocaTrozos(const QString&, int, int, double,
                                        const std::function<int(const QString&)>&,
                                        const std::function<int(const QString&)>&)
{
    return {};
}
bool ImprimeVentana(QWidget&, QPrinter&) { return false; }
void ImprimeConDialogo(QWidget&) {}
void AbortaImpresion() {}
void VistaPrevia(QWidget&) {}
bool ExportaPdf(QWidget&, const QString&) { return false; }
