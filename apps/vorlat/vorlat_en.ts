<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>TForm1</name>
    <message>
        <source>Vorlat</source>
        <translation>Vorlat</translation>
    </message>
    <message>
        <source>Ayuda

- Las teclas de flechas permiten rotar el ánglo de visión.
- Para acercar la imagen emplear la tecla &quot; i &quot;,  (zoom in).
- Para alejar la imagen emplear la tecla  &quot;o&quot; ,  (zoom out).


-La aceleración de la gravedad tiene por defecto el valor  2,5 m/s2,
 para poder mostrar el efecto de nutación. En el menú &quot;Condiciones iniciales&quot;, 
puede cambiarse a cualquier otro valor.

Las frecuencias de rotación que pueden modificarse en este menú 
son respecto de los ejes del Vorlat.

- &quot;Vectores&quot; (menú Opciones) dibuja desde el pivote el momento angular L (celeste, 0,45 m por kg·m²/s), la velocidad angular ω (magenta, 3,5 mm por rad/s) y el torque del peso τ (naranja, 0,15 m por N·m); ninguna pasa de 0,45 m. &quot;Cámara lenta&quot; frena el tiempo simulado y &quot;Un paso&quot; lo avanza 10 ms en pausa. Arrastrar con el ratón gira la vista; la rueda la acerca o aleja. &quot;Integración exacta&quot; sigue las ecuaciones del trompo, sin deriva.</source>
        <translation>Help

- The arrow keys turn the angle of view.
- To zoom in, press the key &quot; i &quot;.
- To zoom out, press the key &quot;o&quot;.


- The acceleration of gravity is 2.5 m/s2 by default,
 so that the nutation shows. The &quot;Initial conditions&quot; menu
can change it to any other value.

The rotation frequencies that this menu changes
are about the top&apos;s own axes.

- &quot;Vectors&quot; (Options menu) draws from the pivot the angular momentum L (light blue, 0.45 m per kg·m²/s), the angular velocity ω (magenta, 3.5 mm per rad/s) and the weight&apos;s torque τ (orange, 0.15 m per N·m); none goes beyond 0.45 m. &quot;Slow motion&quot; slows the simulated time down and &quot;One step&quot; moves it 10 ms on while paused. Dragging with the mouse turns the view; the wheel brings it nearer or further. &quot;Exact integration&quot; follows the top&apos;s equations, without drift.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Label1</source>
        <translation>Label1</translation>
    </message>
    <message>
        <source>Masa = </source>
        <translation>Mass = </translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>Largo =</source>
        <translation>Arm =</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Radio =</source>
        <translation>Rad. =</translation>
    </message>
    <message>
        <source>Espesor =</source>
        <translation>Thick. =</translation>
    </message>
    <message>
        <source>Densidad =</source>
        <translation>Density =</translation>
    </message>
    <message>
        <source>g/cm3</source>
        <translation>g/cm3</translation>
    </message>
    <message>
        <source>g =</source>
        <translation>g =</translation>
    </message>
    <message>
        <source>m/s2</source>
        <translation>m/s2</translation>
    </message>
    <message>
        <source>frecuencias (en Hz)</source>
        <translation>frequencies (in Hz)</translation>
    </message>
    <message>
        <source>respecto de los ejes del cuerpo</source>
        <translation>about the body&apos;s axes</translation>
    </message>
    <message>
        <source>f´x</source>
        <translation>f´x</translation>
    </message>
    <message>
        <source>f´y </source>
        <translation>f´y </translation>
    </message>
    <message>
        <source>f´z </source>
        <translation>f´z </translation>
    </message>
    <message>
        <source>respecto de los ejes del espacio</source>
        <translation>about the axes of space</translation>
    </message>
    <message>
        <source>fx  </source>
        <translation>fx  </translation>
    </message>
    <message>
        <source>fy </source>
        <translation>fy </translation>
    </message>
    <message>
        <source>fz </source>
        <translation>fz </translation>
    </message>
    <message>
        <source>Energías (en Joule)</source>
        <translation>Energies (in joules)</translation>
    </message>
    <message>
        <source>Ec </source>
        <translation>Ek </translation>
    </message>
    <message>
        <source>Ep </source>
        <translation>Ep </translation>
    </message>
    <message>
        <source>Em </source>
        <translation>Em </translation>
    </message>
    <message>
        <source>Frecuencias de precesión </source>
        <translation>Precession frequencies </translation>
    </message>
    <message>
        <source>fp (teórica) =</source>
        <translation>fp (theory) =</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>fp (medida) =</source>
        <translation>fp (meas.) =</translation>
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
        <source>270</source>
        <translation>270</translation>
    </message>
    <message>
        <source>g = </source>
        <translation>g = </translation>
    </message>
    <message>
        <source>frecuencia (Hz)</source>
        <translation>frequency (Hz)</translation>
    </message>
    <message>
        <source>   fx      fy      fz</source>
        <translation>   fx      fy      fz</translation>
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
        <source>&amp;Ocultar ejes</source>
        <translation>Hide &amp;axes</translation>
    </message>
    <message>
        <source>&amp;Ocultar trayectoria</source>
        <translation>Hide &amp;trajectory</translation>
    </message>
    <message>
        <source>Condiciones &amp;iniciales</source>
        <translation>&amp;Initial conditions</translation>
    </message>
    <message>
        <source>&amp;Activar gravedad </source>
        <translation>&amp;Enable gravity</translation>
    </message>
    <message>
        <source>Acerca &amp;de</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>A&amp;yuda</source>
        <translation>&amp;Help</translation>
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
        <source>Proyecto Rotación de Cuerpos Rígidos</source>
        <translation>Rigid Body Rotation project</translation>
    </message>
    <message>
        <source>&amp;Pausa</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Seguir</source>
        <translation>&amp;Continue</translation>
    </message>
    <message>
        <source>&amp;Activar gravedad</source>
        <translation>&amp;Enable gravity</translation>
    </message>
    <message>
        <source>&amp;Desactivar gravedad</source>
        <translation>&amp;Disable gravity</translation>
    </message>
    <message>
        <source>&amp;Mostrar ejes</source>
        <translation>Show &amp;axes</translation>
    </message>
    <message>
        <source>&amp;Marcar trayectoria</source>
        <translation>Mark &amp;trajectory</translation>
    </message>
    <message>
        <source>Vorlat es software libre: se puede usar, copiar, modificar y compartir según la GNU GPL 3 o posterior.</source>
        <translation>Vorlat is free software: anyone may use, copy, modify and share it under the GNU GPL 3 or later.</translation>
    </message>
    <message>
        <source>Integración e&amp;xacta</source>
        <translation>E&amp;xact integration</translation>
    </message>
</context>
<context>
    <name>framework::CommandLine</name>
    <message>
        <source>Un trompo simétrico pesado, con precesión y nutación, para la clase.</source>
        <translation>A heavy symmetric top, with precession and nutation, for the classroom.</translation>
    </message>
</context>
<context>
    <name>shell::GraphsStrip</name>
    <message>
        <source>ΔEc (J)</source>
        <translation>ΔEk (J)</translation>
    </message>
    <message>
        <source>ΔEp (J)</source>
        <translation>ΔEp (J)</translation>
    </message>
    <message>
        <source>ΔEm (J)</source>
        <translation>ΔEm (J)</translation>
    </message>
    <message>
        <source>z del extremo (m)</source>
        <translation>tip&apos;s z (m)</translation>
    </message>
    <message>
        <source>fp medida (Hz)</source>
        <translation>fp measured (Hz)</translation>
    </message>
    <message>
        <source>fp teórica (Hz)</source>
        <translation>fp theory (Hz)</translation>
    </message>
    <message>
        <source>Error relativo Em (%)</source>
        <translation>Relative error Em (%)</translation>
    </message>
    <message>
        <source>Error relativo Lz (%)</source>
        <translation>Relative error Lz (%)</translation>
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
    <message>
        <source>torque del peso</source>
        <translation>weight&apos;s torque</translation>
    </message>
</context>
</TS>
