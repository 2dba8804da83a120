// UTF-8 <-> UTF-16 con las funciones del propio Windows.

#include "texto_windows.h"

#include <windows.h>

std::wstring Utf16(const std::string& texto)
{
    if (texto.empty() || texto.find('\0') != std::string::npos)
        return {};
    const int largo = static_cast<int>(texto.size());
    const int n =
        ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, texto.data(), largo, nullptr, 0);
    if (n <= 0)
        return {};
    std::wstring ancho(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, texto.data(), largo, ancho.data(), n);
    return ancho;
}

std::string Utf8(const std::wstring& texto)
{
    if (texto.empty())
        return {};
    const int largo = static_cast<int>(texto.size());
    const int n =
        ::WideCharToMultiByte(CP_UTF8, 0, texto.data(), largo, nullptr, 0, nullptr, nullptr);
    std::string estrecho(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, texto.data(), largo, estrecho.data(), n, nullptr, nullptr);
    return estrecho;
}
