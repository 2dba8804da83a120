# Lo que comparten los guiones de Windows: paquetes, Wine y el Qt para Windows
# hecho desde las fuentes de Debian. Se carga con "source" tras dependencias.sh.

# Compilador cruzado, Wine para probar, NSIS para el instalador.
PAQUETES_WINDOWS=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools wine64 ninja-build patch xz-utils
    googletest)
# Solo para hacer Qt y los paquetes: las herramientas de Qt de la máquina (moc, rcc,
# uic de la misma versión), su traducción y las letras que van en el paquete, el icono
# (del SVG al .ico), NSIS y, para probarlos, pdftotext.
PAQUETES_QT_WINDOWS=(qt6-base-dev qt6-base-dev-tools qt6-translations-l10n fonts-liberation2
    librsvg2-bin icoutils nsis dpkg-dev xz-utils poppler-utils)

# wine64 de Debian no está en el PATH.
export PATH="$PATH:/usr/lib/wine"
export WINEDEBUG=-all

# Crea si hace falta el prefijo de Wine $1 y deja su wineserver en marcha hasta un
# minuto después del último programa, con los servicios de Wine ya arrancados. Si
# no, el primer programa arranca los servicios con su misma salida (y quien la lee,
# CTest, espera a que se vayan) y uno que llega cuando el wineserver se está yendo
# falla sin hacer nada. La primera vez tarda medio minuto.
PreparaWine() {
    mkdir -p "$1"
    WINEPREFIX=$1 wineserver -w
    WINEPREFIX=$1 wineserver -p60
    WINEPREFIX=$1 WINEDLLOVERRIDES="mscoree,mshtml=" wine64 wineboot --init >/dev/null 2>&1
}

# Versión de Qt de la máquina: el Qt para Windows ha de ser la misma, porque usa sus
# herramientas.
QT_VERSION_DEBIAN=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)

# Opciones de Qt: solo lo que usa el programa (Widgets, PrintSupport, Test). Sin
# tabletevent, porque las fuentes "+dfsg" de Debian no traen wintab.h. Sin OpenGL de
# ninguna clase: sin OpenGL queda el dinámico de Windows, y su plugin no compila.
QT_OPCIONES=(-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF
    -DINPUT_opengl=no -DFEATURE_opengl_dynamic=OFF -DFEATURE_dynamicgl=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_tabletevent=OFF -DFEATURE_zstd=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_doubleconversion=OFF)
# Parches de Debian que se aplican (los de seguridad; los demás son de Linux).
QT_PARCHES=(cve-2023-32762.diff cve-2023-32763.diff cve-2023-33285.diff cve-2023-24607.patch)

# Carpeta del Qt para Windows: depende de la versión, de las opciones y de los parches,
# y solo se rehace cuando cambian.
QtWindowsCarpeta() {
    local clave
    clave=$(printf '%s\n' "$QT_VERSION_DEBIAN" "${QT_OPCIONES[@]}" "${QT_PARCHES[@]}" \
        "$(cat "$raiz/cmake/mingw-w64-x86_64.cmake")" | sha256sum | cut -c1-12)
    echo "${CALCULO_TUBOS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/calculo-tubos}/qt-${QT_VERSION_DEBIAN%%+*}-win64-$clave"
}

# Baja a la carpeta $2 las fuentes de Debian del paquete $1 ("nombre=versión"),
# con una lista de fuentes aparte, para no tocar la del sistema.
BajaFuentesDebian() {
    local carpeta=$2 suite
    mkdir -p "$carpeta/apt/lists/partial" "$carpeta/fuentes.d"
    suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
    cat >"$carpeta/fuentes.d/debian-src.sources" <<EOF
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $suite $suite-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    local apt=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$carpeta/fuentes.d"
        -o "Dir::State::Lists=$carpeta/apt/lists")
    apt-get "${apt[@]}" update -qq
    (cd "$carpeta" && apt-get "${apt[@]}" source --download-only "$1" >/dev/null 2>&1)
}

# Deja en la carpeta $3 las fuentes de Debian del paquete $1 en la versión $2, con
# los parches de Debian que se nombran después ($4…) o, si no se nombra ninguno,
# con los de su serie.
FuentesDebian() {
    local paquete=$1 version=$2 destino=$3
    shift 3
    local bajadas="$destino.bajadas" parches=("$@") parche
    rm -rf "$bajadas" "$destino"
    echo "Bajando las fuentes de $paquete $version de Debian…"
    BajaFuentesDebian "$paquete=$version" "$bajadas"
    mkdir -p "$destino"
    tar -C "$destino" --strip-components=1 -xf "$bajadas/${paquete}_"*.orig.tar.*
    tar -C "$destino" -xf "$bajadas/${paquete}_"*.debian.tar.*
    [ ${#parches[@]} -gt 0 ] ||
        mapfile -t parches < <(grep -v -e '^#' -e '^$' "$destino/debian/patches/series")
    for parche in "${parches[@]}"; do
        patch -d "$destino" -p1 -s <"$destino/debian/patches/$parche"
    done
    rm -rf "$bajadas"
}

# dxflib no trae más que la biblioteca de Linux: para Windows se compila con el
# programa desde las fuentes de Debian de la misma versión. Las deja en la caché
# y su carpeta en DXFLIB_FUENTES.
PreparaDxflibWindows() {
    local version
    version=$(dpkg-query -W -f='${source:Version}' libdxflib-dev)
    DXFLIB_FUENTES="${CALCULO_TUBOS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/calculo-tubos}/dxflib-$version"
    export DXFLIB_FUENTES
    [ -f "$DXFLIB_FUENTES/.completo" ] && return 0
    FuentesDebian dxflib "$version" "$DXFLIB_FUENTES"
    touch "$DXFLIB_FUENTES/.completo"
}

# Baja las fuentes de qt6-base de Debian (la misma versión que la máquina), las
# compila con mingw-w64 y las instala en la caché. Deja la carpeta en QT_WINDOWS.
PreparaQtWindows() {
    QT_WINDOWS=$(QtWindowsCarpeta)
    export QT_WINDOWS
    [ -f "$QT_WINDOWS/.completo" ] && return 0

    local trabajo="$QT_WINDOWS.trabajo"
    rm -rf "$trabajo" "$QT_WINDOWS"
    FuentesDebian qt6-base "$QT_VERSION_DEBIAN" "$trabajo/qtbase" "${QT_PARCHES[@]}"

    echo "Compilando Qt para Windows en $QT_WINDOWS (unos 900 pasos)…"
    cmake -S "$trabajo/qtbase" -B "$trabajo/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$raiz/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_INSTALL_PREFIX="$QT_WINDOWS" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        "${QT_OPCIONES[@]}" >"$trabajo/configura.log"
    cmake --build "$trabajo/build" -j2 >"$trabajo/compila.log"
    cmake --install "$trabajo/build" >/dev/null
    touch "$QT_WINDOWS/.completo"
    rm -rf "$trabajo"
}
