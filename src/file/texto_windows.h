#pragma once
// UTF-8 <-> UTF-16, el texto de las funciones de Windows. Solo para Windows.

#include <string>

// El texto UTF-8 en UTF-16; vacío si no es UTF-8 válido o lleva un carácter
// nulo (que cortaría un nombre de archivo).
std::wstring Utf16(const std::string& texto);

// El texto UTF-16 en UTF-8 (un sustituto suelto se escribe U+FFFD).
std::string Utf8(const std::wstring& texto);
