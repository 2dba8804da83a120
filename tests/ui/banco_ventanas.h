#pragma once
// Banco de las pruebas de ventanas: cada prueba empieza con un registro y una
// ventana principal nuevos y con los diálogos del guion; un vigía cierra y
// anota cualquier ventana modal que se quede abierta, de modo que ninguna
// prueba espera para siempre. Las clases de prueba heredan de él y llaman a
// Prepara() en init() y a Termina() en cleanup().

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryFile>
#include <QThread>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QVariant>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include "dialogos_guion.h"
#include "form1.h"
#include "proyecto.h"

// Control de la ventana por su objectName (el contrato con las pruebas); solo
// de esa ventana, no de un diálogo hijo que tenga un control del mismo nombre.
template <class T> T* Hijo(const QWidget* ventana, const char* nombre)
{
    for (T* hijo : ventana->findChildren<T*>(nombre)) {
        const QWidget* w = qobject_cast<const QWidget*>(hijo);
        if (!w || w->window() == ventana)
            return hijo;
    }
    qFatal("La ventana no tiene el control %s", nombre);
}
template <class T, class V> T* Hijo(const std::unique_ptr<V>& ventana, const char* nombre)
{
    return Hijo<T>(ventana.get(), nombre);
}

class BancoVentanas : public QObject {
public:
    std::unique_ptr<Proyecto> p;
    std::unique_ptr<TForm1> f;
    DialogosGuion guion;

    // Las casillas y las listas de la ventana principal, por su nombre.
    QLineEdit* Caja(const char* nombre) const { return Hijo<QLineEdit>(f, nombre); }
    QComboBox* Lista(const char* nombre) const { return Hijo<QComboBox>(f, nombre); }

    // Lo que muestra cada control: el texto de una casilla, lista o rótulo; de
    // un cuaderno, su página.
    QStringList Ve(std::initializer_list<const char*> nombres) const
    {
        QStringList vistos;
        for (const char* nombre : nombres) {
            QObject* o = Hijo<QObject>(f, nombre);
            if (auto* caja = qobject_cast<QLineEdit*>(o))
                vistos.append(caja->text());
            else if (auto* lista = qobject_cast<QComboBox*>(o))
                vistos.append(lista->currentText());
            else if (auto* rotulo = qobject_cast<QLabel*>(o))
                vistos.append(rotulo->text());
            else
                vistos.append(QString::number(qobject_cast<QTabWidget*>(o)->currentIndex()));
        }
        return vistos;
    }

    // Da valores a los controles, en orden: un texto a una casilla o a una lista
    // editable, un número a una lista (su índice) o a un cuaderno (su página).
    void Pon(std::initializer_list<std::pair<const char*, QVariant>> valores)
    {
        for (const auto& [nombre, valor] : valores) {
            QObject* o = Hijo<QObject>(f, nombre);
            auto* caja = qobject_cast<QLineEdit*>(o);
            auto* lista = qobject_cast<QComboBox*>(o);
            if (caja)
                caja->setText(valor.toString());
            else if (lista && valor.typeId() == QMetaType::Int)
                lista->setCurrentIndex(valor.toInt());
            else if (lista)
                lista->setEditText(valor.toString());
            else
                qobject_cast<QTabWidget*>(o)->setCurrentIndex(valor.toInt());
        }
    }

    void Prepara()
    {
        // Con el nombre de quien guarda los ajustes: sin él, Windows no los guarda.
        QApplication::setOrganizationName("calculo-tubos-pruebas");
        guion = DialogosGuion();
        FijaDialogos(&guion);
        modalesCerrados_.clear();
        modalAnterior_ = nullptr;
        p = std::make_unique<Proyecto>();
        f = std::make_unique<TForm1>(*p);
        f->show();
        vigia_.disconnect();
        connect(&vigia_, &QTimer::timeout, this, [this] {
            // Solo una ventana que ya estaba abierta en la vuelta anterior: la que
            // una orden acaba de abrir (con las pruebas lentas, con sanitizadores)
            // la cierra AbreCon.
            // El aviso de espera del anejo no es una ventana olvidada: se
            // cierra solo cuando el anejo está escrito.
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal->objectName() == "EsperaAnejo")
                modal = nullptr;
            if (modal && modal == modalAnterior_) {
                modalesCerrados_.append(modal->metaObject()->className());
                modal->close();
                modal = nullptr;
            }
            modalAnterior_ = modal;
        });
        vigia_.start(200);
    }

    // Tubo de 1000 mm normalizado con 2 m de relleno.
    void TuboNormal()
    {
        Hijo<QComboBox>(f, "EditDi")->setEditText("1000");
        Hijo<QLineEdit>(f, "EditHr")->setText("2");
        guion.vistos.clear();
    }

    // Lo que quedó mal (preguntas sin respuesta, ventanas modales abiertas);
    // vacío si nada. Cierra la ventana principal sin preguntar.
    QString Termina()
    {
        vigia_.stop();
        QStringList fallos = guion.imprevistos;
        for (const QString& modal : modalesCerrados_)
            fallos.append("ventana modal abierta: " + modal);
        p->Modificado = 0;
        f.reset();
        FijaDialogos(nullptr);
        return fallos.join(" | ");
    }

    // Lanza una orden y devuelve la clase de la ventana modal que abre, tras
    // hacer en ella lo que diga accion (por omisión, nada) y cerrarla.
    QString AbreCon(const std::function<void()>& orden,
                    const std::function<void(QWidget*)>& accion = {})
    {
        QString abierta;
        QTimer cierre;  // muere con la función: nunca escribe en un marco ya cerrado
        cierre.setSingleShot(true);
        connect(&cierre, &QTimer::timeout, this, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                abierta = modal->metaObject()->className();
                if (accion)
                    accion(modal);
                if (modal->isVisible())
                    modal->close();
            }
        });
        cierre.start(0);
        orden();
        return abierta;
    }

private:
    QTimer vigia_;
    QPointer<QWidget> modalAnterior_;
    QStringList modalesCerrados_;
};

// La opción de menú (o acción) de la ventana con ese texto.
inline QAction* Opcion(QWidget* ventana, const QString& texto)
{
    for (QAction* opcion : ventana->findChildren<QAction*>())
        if (opcion->text() == texto)
            return opcion;
    return nullptr;
}

#ifdef Q_OS_WIN
// Bajo Wine, pdfinfo y pdftotext son los de Linux: se llaman por su ruta de Linux y
// con la de cada archivo traducida por Wine.
inline QString RutaDeLinux(const QString& argumento)
{
    using Traduce = char* (*)(const wchar_t*);
    const auto traduce = reinterpret_cast<Traduce>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    if (!traduce || !QFileInfo::exists(argumento))
        return argumento;
    const std::wstring nativa = QDir::toNativeSeparators(argumento).toStdWString();
    char* linux = traduce(nativa.c_str());
    if (!linux)
        return argumento;
    const QString ruta = QString::fromUtf8(linux);
    HeapFree(GetProcessHeap(), 0, linux);
    return ruta;
}
#endif
// Escribe esos bytes en el archivo y devuelve su nombre; y lo que hay en uno (vacío si no se abre).
inline QString Escribe(const QString& nombre, const QByteArray& bytes)
{
    QFile archivo(nombre);
    if (archivo.open(QIODevice::WriteOnly))
        archivo.write(bytes);
    return nombre;
}
inline QByteArray BytesDe(const QString& nombre)
{
    QFile archivo(nombre);
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

// Un campo de pdfinfo ("Pages", "Title") y el texto de pdftotext, con los blancos reducidos a uno.
inline QString SalidaDe(const QString& programa, const QStringList& argumentos)
{
#ifdef Q_OS_WIN
    // Wine no espera a un programa de Linux ni le pasa su tubería: escribe en un archivo
    // y deja otro al terminar.
    QTemporaryFile salida;
    if (!salida.open())
        return {};
    salida.close();
    const QString hecho = salida.fileName() + ".hecho";
    QStringList orden = {"-c", "s=$1; shift; \"$@\" >\"$s\"; touch \"$s.hecho\"", "sh",
                         RutaDeLinux(salida.fileName()), "/usr/bin/" + programa};
    for (const QString& argumento : argumentos)
        orden << RutaDeLinux(argumento);
    QProcess::startDetached("Z:/bin/sh", orden);
    for (int i = 0; i < 3000 && !QFileInfo::exists(hecho); ++i)
        QThread::msleep(10);
    QFile::remove(hecho);
    salida.open();
    return QString::fromUtf8(salida.readAll());
#else
    QProcess proceso;
    proceso.start(programa, argumentos);
    proceso.waitForFinished(30000);
    return QString::fromUtf8(proceso.readAllStandardOutput());
#endif
}
inline QString CampoPdf(const QString& archivo, const QString& campo)
{
    return SalidaDe("pdfinfo", {archivo}).section(campo + ":", 1).section('\n', 0, 0).trimmed();
}
inline QString TextoPdf(const QString& archivo)
{
    return SalidaDe("pdftotext", {archivo, "-"}).simplified();
}
// Lo que falta en el PDF, que ha de tener una sola página: "páginas: n" y los textos que no salen.
inline QStringList FaltanEnPdf(const QString& archivo, const QStringList& textos)
{
    QStringList faltan;
    if (const QString paginas = CampoPdf(archivo, "Pages"); paginas != "1")
        faltan << "páginas: " + paginas;
    const QString texto = TextoPdf(archivo);
    for (const QString& buscado : textos)
        if (!texto.contains(buscado))
            faltan << buscado;
    return faltan;
}

// Teclea en la casilla, con el foco en ella, en lugar de lo que tuviera.
inline void Reescribe(QLineEdit* casilla, const QString& teclas)
{
    casilla->setFocus(Qt::TabFocusReason);
    casilla->selectAll();
    QTest::keyClick(casilla, Qt::Key_Backspace);
    QTest::keyClicks(casilla, teclas);
}

// init() y cleanup() de una clase de prueba que hereda del banco.
#define BANCO_VENTANAS_INIT_CLEANUP                                                                \
    void init()                                                                                    \
    {                                                                                              \
        Prepara();                                                                                 \
    }                                                                                              \
    void cleanup()                                                                                 \
    {                                                                                              \
        const QString fallos = Termina();                                                          \
        QVERIFY2(fallos.isEmpty(), qPrintable(fallos));                                            \
    }
