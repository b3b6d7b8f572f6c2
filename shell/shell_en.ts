<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>framework</name>
    <message>
        <source>&apos;%1&apos; no es un número válido</source>
        <translation>&apos;%1&apos; is not a valid number</translation>
    </message>
</context>
<context>
    <name>framework::CommandLine</name>
    <message>
        <source>Idioma de esta vez, que no se recuerda: es (español, el de siempre) o en (inglés).</source>
        <translation>Language for this start only, not remembered: es (Spanish, the default) or en (English).</translation>
    </message>
    <message>
        <source>--lang admite es o en, no «%1».</source>
        <translation>--lang takes es or en, not “%1”.</translation>
    </message>
    <message>
        <source>argumento inesperado «%1».</source>
        <translation>unexpected argument “%1”.</translation>
    </message>
    <message>
        <source>Muestra esta ayuda y termina.</source>
        <translation>Shows this help and ends.</translation>
    </message>
    <message>
        <source>Muestra la versión y termina.</source>
        <translation>Shows the version and ends.</translation>
    </message>
</context>
<context>
    <name>shell::RunTools</name>
    <message>
        <source>Exportar datos</source>
        <translation>Export data</translation>
    </message>
    <message>
        <source>Datos CSV (*.csv)</source>
        <translation>CSV data (*.csv)</translation>
    </message>
    <message>
        <source>La corrida duró más de lo que el programa guarda: el archivo tiene sus últimos %1 minutos.</source>
        <translation>The run lasted longer than the program keeps: the file has its last %1 minutes.</translation>
    </message>
    <message>
        <source>Guardar imagen</source>
        <translation>Save image</translation>
    </message>
    <message>
        <source>Imágenes PNG (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
</context>
<context>
    <name>shell::SaveFiles</name>
    <message>
        <source>ese nombre es el de una carpeta</source>
        <translation>that name is a folder&apos;s</translation>
    </message>
    <message>
        <source>la carpeta «%1» no existe</source>
        <translation>the folder “%1” does not exist</translation>
    </message>
    <message>
        <source>no se puede escribir en esa carpeta</source>
        <translation>that folder cannot be written to</translation>
    </message>
    <message>
        <source>no se pudo escribir completo (¿falta espacio en el disco?)</source>
        <translation>it could not be written whole (is the disk full?)</translation>
    </message>
    <message>
        <source>No se pudo guardar el archivo «%1»: %2.</source>
        <translation>The file “%1” could not be saved: %2.</translation>
    </message>
</context>
</TS>
