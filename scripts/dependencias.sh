# Instala los paquetes de Debian que falten. Se carga con "source" desde los
# demás guiones: Instala paquete...
Instala() {
    local faltan=()
    for paquete in "$@"; do
        dpkg-query -W -f='${Status}' "$paquete" 2>/dev/null | grep -q "install ok installed" ||
            faltan+=("$paquete")
    done
    [ ${#faltan[@]} -eq 0 ] && return 0
    echo "Instalando: ${faltan[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    if [ -z "${APT_ACTUALIZADO:-}" ]; then
        $sudo apt-get update -qq
        export APT_ACTUALIZADO=1
    fi
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${faltan[@]}" >/dev/null
}

# Lo necesario para construir y probar el cálculo, el archivo y la línea de órdenes.
# ccache: al repetir las pruebas en la misma máquina solo se recompila lo cambiado.
# dxflib escribe los planos DXF; ezdxf los audita en las pruebas.
PAQUETES_BASE=(cmake make g++ ccache libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
    libdxflib-dev python3-ezdxf)
# Las ventanas: Qt 6, sus textos en español (diálogos estándar y menús de las
# casillas), lrelease para el catálogo propio de lo que les falta, y la letra
# Liberation Sans; Xvfb para probarlas también en X11.
PAQUETES_GUI=(qt6-base-dev qt6-translations-l10n qt6-l10n-tools libgl-dev fonts-liberation2 poppler-utils xvfb xauth)
# libFuzzer y los sanitizadores de clang.
PAQUETES_FUZZ=(clang libclang-rt-14-dev)
