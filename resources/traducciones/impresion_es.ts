<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Textos del diálogo de imprimir de Qt que su catálogo en español no trae.
     Se carga después del de Qt. -->
<TS version="2.1" language="es_ES">
<context>
    <name>QPrintSettingsOutput</name>
    <message><source>Pages</source><translation>Páginas</translation></message>
    <message><source>Double Sided Printing</source><translation>Impresión a doble cara</translation></message>
    <message><source>Off</source><translation>No</translation></message>
    <message><source>Long side binding</source><translation>Encuadernado por el lado largo</translation></message>
    <message><source>Short side binding</source><translation>Encuadernado por el lado corto</translation></message>
    <message><source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source><translation>Indique páginas o intervalos separados por comas. Un intervalo son dos números separados por un guion. Por ejemplo, 3,5-7,9 imprime las páginas 3, 5, 6, 7 y 9.</translation></message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message><source>Advanced</source><translation>Avanzado</translation></message>
    <message><source>There are conflicts in some options. Please fix them.</source><translation>Algunas opciones son incompatibles entre sí. Corríjalas.</translation></message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message><source>Page Setup Conflicts</source><translation>Opciones de página incompatibles</translation></message>
    <message><source>There are conflicts in page setup options. Do you want to fix them?</source><translation>Algunas opciones de la página son incompatibles entre sí. ¿Quiere corregirlas?</translation></message>
    <message><source>Advanced Option Conflicts</source><translation>Opciones avanzadas incompatibles</translation></message>
    <message><source>There are conflicts in some advanced options. Do you want to fix them?</source><translation>Algunas opciones avanzadas son incompatibles entre sí. ¿Quiere corregirlas?</translation></message>
</context>
<context>
    <name>QPrintDialog</name>
    <message><source>Invalid Pages Definition</source><translation>Páginas mal indicadas</translation></message>
    <message><source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source><translation>«%1» no está bien escrito. Separe páginas e intervalos con «,», indique los intervalos con «-» y no repita páginas entre intervalos.</translation></message>
    <message><source>Duplex Settings Conflicts</source><translation>Opciones de doble cara incompatibles</translation></message>
    <message><source>There are conflicts in duplex settings. Do you want to fix them?</source><translation>Las opciones de doble cara son incompatibles entre sí. ¿Quiere corregirlas?</translation></message>
    <message><source>%1 is a directory.
Please choose a different file name.</source><translation>%1 es una carpeta.
Elija otro nombre de archivo.</translation></message>
    <message><source>File %1 is not writable.
Please choose a different file name.</source><translation>No se puede escribir el archivo %1.
Elija otro nombre de archivo.</translation></message>
    <message><source>%1 already exists.
Do you want to overwrite it?</source><translation>%1 ya existe.
¿Quiere sustituirlo?</translation></message>
    <message><source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source><translation>Las opciones «Páginas por hoja» y «Conjunto de páginas» no pueden usarse juntas.
Desactive una de ellas.</translation></message>
</context>
</TS>
