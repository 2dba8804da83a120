// Solo en Windows: sustituye al enlazar la tangente de msvcrt.dll, que no es la
// misma en cada versión de Windows (ni en Wine) y se aparta a veces una cifra de
// la correcta. La de mingw, en 80 bits y redondeada a double, va dentro del
// programa: el mismo número en todo Windows, y el de Linux en los ejemplos.

#include <math.h>

extern "C" double tan(double x)
{
    return static_cast<double>(tanl(x));
}
