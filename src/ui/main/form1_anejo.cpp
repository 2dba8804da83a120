// Orden "Anejo de cálculo (PDF)…": el anejo del caso tal como está en la ventana.

#include "anejo_caso.h"
#include "form1.h"
#include "mensaje.h"

void TForm1::AnejoCalculoClick()
{
    EscribeAnejoDelCaso(p_, DialogosPrograma());
}
