<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>framework::CommandLine</name>
    <message>
        <source>Un bloque que gira libre dentro de una sala, para mostrar qué ejes de rotación son estables.</source>
        <translation>A block turning freely inside a room, to show which axes of rotation are stable.</translation>
    </message>
</context>
<context>
    <name>shell::GraphsStrip</name>
    <message>
        <source>ω´x (rad/s)</source>
        <translation>ω´x (rad/s)</translation>
    </message>
    <message>
        <source>ω´y (rad/s)</source>
        <translation>ω´y (rad/s)</translation>
    </message>
    <message>
        <source>ω´z (rad/s)</source>
        <translation>ω´z (rad/s)</translation>
    </message>
    <message>
        <source>Ec (J)</source>
        <translation>Ek (J)</translation>
    </message>
    <message>
        <source>ángulo y´ – L (°)</source>
        <translation>angle y´ – L (°)</translation>
    </message>
    <message>
        <source>Error relativo Ec (%)</source>
        <translation>Relative error Ek (%)</translation>
    </message>
    <message>
        <source>Error relativo |L| (%)</source>
        <translation>Relative error |L| (%)</translation>
    </message>
</context>
<context>
    <name>shell::VectorLegend</name>
    <message>
        <source>momento angular</source>
        <translation>angular momentum</translation>
    </message>
    <message>
        <source>velocidad angular</source>
        <translation>angular velocity</translation>
    </message>
</context>
<context>
    <name>tamsel::TForm1</name>
    <message>
        <source>Rotaciones de un cuerpo rígido libre</source>
        <translation>Rotations of a free rigid body</translation>
    </message>
    <message>
        <source>Label1</source>
        <translation>Label1</translation>
    </message>
    <message>
        <source>Label2</source>
        <translation>Label2</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Zoom : teclas &apos;I&apos;y &apos;O&apos;                              Para cambiar el ángulo de visión usar las flechas del teclado</source>
        <translation>Zoom: keys &apos;I&apos;, &apos;O&apos;                              To change the angle of view use the arrow keys</translation>
    </message>
    <message>
        <source>Ángulos de Euler</source>
        <translation>Euler angles</translation>
    </message>
    <message>
        <source>0° </source>
        <translation>0° </translation>
    </message>
    <message>
        <source>359° </source>
        <translation>359° </translation>
    </message>
    <message>
        <source> φ  θ   ψ</source>
        <translation> φ  θ   ψ</translation>
    </message>
    <message>
        <source>0 </source>
        <translation>0 </translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Impulso angular</source>
        <translation>Momentum L</translation>
    </message>
    <message>
        <source> Lx       Ly      Lz</source>
        <translation> Lx       Ly      Lz</translation>
    </message>
    <message>
        <source>&amp;Ejemplos</source>
        <translation>&amp;Examples</translation>
    </message>
    <message>
        <source>&amp;Opciones</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Cámara lenta</source>
        <translation>Slo&amp;w motion</translation>
    </message>
    <message>
        <source>&amp;Comenzar</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>Rotación alrededor de Im&amp;in</source>
        <translation>Rotation about Im&amp;in</translation>
    </message>
    <message>
        <source>Rotación alrededor de Im&amp;ed</source>
        <translation>Rotation about Im&amp;ed</translation>
    </message>
    <message>
        <source>Rotación alrededor de Im&amp;ax</source>
        <translation>Rotation about Im&amp;ax</translation>
    </message>
    <message>
        <source>&amp;Dibujar ejes</source>
        <translation>Draw &amp;axes</translation>
    </message>
    <message>
        <source>Vista desde &amp;Tierra</source>
        <translation>View from Ear&amp;th</translation>
    </message>
    <message>
        <source>Vista desde sistema &amp;rotante</source>
        <translation>View from &amp;rotating frame</translation>
    </message>
    <message>
        <source>Condiciones &amp;iniciales</source>
        <translation>&amp;Initial conditions</translation>
    </message>
    <message>
        <source>&amp;Acerca de</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Gráficas</source>
        <translation>&amp;Graphs</translation>
    </message>
    <message>
        <source>&amp;Exportar datos…</source>
        <translation>&amp;Export data…</translation>
    </message>
    <message>
        <source>Guardar &amp;imagen…</source>
        <translation>Save &amp;image…</translation>
    </message>
    <message>
        <source>&amp;Vectores</source>
        <translation>&amp;Vectors</translation>
    </message>
    <message>
        <source>×1 (&amp;normal)</source>
        <translation>×1 (&amp;normal)</translation>
    </message>
    <message>
        <source>×1/&amp;2</source>
        <translation>×1/&amp;2</translation>
    </message>
    <message>
        <source>×1/&amp;4</source>
        <translation>×1/&amp;4</translation>
    </message>
    <message>
        <source>×1/1&amp;0</source>
        <translation>×1/1&amp;0</translation>
    </message>
    <message>
        <source>Un &amp;paso</source>
        <translation>One &amp;step</translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Del proyecto Rotación de Cuerpos Rígidos</source>
        <translation>From the Rigid Body Rotation project</translation>
    </message>
    <message>
        <source>&amp;Pausa</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Borrar ejes</source>
        <translation>Erase axes</translation>
    </message>
    <message>
        <source>Tamsel es software libre: se puede usar, copiar, modificar y compartir según la GNU GPL 3 o posterior.</source>
        <translation>Tamsel is free software: anyone may use, copy, modify and share it under the GNU GPL 3 or later.</translation>
    </message>
    <message>
        <source>Integración e&amp;xacta</source>
        <translation>E&amp;xact integration</translation>
    </message>
</context>
</TS>
