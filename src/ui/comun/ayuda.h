#pragma once
// La ayuda del programa: una ventana con las páginas de ayuda, abierta en la
// página de un número de contexto, y la tecla F1 sobre controles y menús.

#include <QWidget>

class QApplication;
class QListWidget;
class QTextBrowser;
class QObject;

// Abre (o trae al frente) la ventana de ayuda en la página del contexto; el
// contexto 0 es el índice.
void AbreAyuda(int contexto);

// Anota el contexto de ayuda de un control o de una opción de menú (QAction).
void FijaContextoAyuda(QObject* objeto, int contexto);

// Contexto de ayuda del objeto o, si no tiene, del primero de sus padres que
// lo tenga; -1 si ninguno.
int ContextoAyuda(const QObject* objeto);

// Hace que F1 abra la ayuda del control con el foco o de la opción de menú
// señalada.
void InstalaTeclaAyuda(QApplication& aplicacion);

class VentanaAyuda : public QWidget {
    Q_OBJECT
public:
    // La única ventana de ayuda del programa.
    static VentanaAyuda& Unica();

    void Muestra(int contexto);
    // Contexto de la página que se ve.
    int Contexto() const { return contexto_; }

private:
    VentanaAyuda();
    void IrA(const QUrl& direccion);

    QListWidget* indice_;
    QTextBrowser* pagina_;
    int contexto_ = 0;
};
