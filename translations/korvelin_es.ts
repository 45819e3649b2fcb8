<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>kv::AudienceWindow</name>
    <message>
        <source>Korvelin audience display</source>
        <translation>Korvelin – pantalla del público</translation>
    </message>
</context>
<context>
    <name>kv::SideNames</name>
    <message>
        <source>Home</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Visitor</source>
        <translation>Visitante</translation>
    </message>
</context>
<context>
    <name>kv::frmChooseKey</name>
    <message>
        <source>This is not a valid key, please choose another or close this window to return.</source>
        <translation>Tecla no válida: elija otra o cierre esta ventana para volver.</translation>
    </message>
</context>
<context>
    <name>kv::frmHelp</name>
    <message>
        <source>Help file has been moved from its normal location.  Please reinstall the program.</source>
        <translation>El archivo de ayuda ya no está en su lugar habitual.  Vuelva a instalar el programa.</translation>
    </message>
    <message>
        <source>Help file cannot be read.  Please reinstall the program.</source>
        <translation>No se puede leer el archivo de ayuda.  Vuelva a instalar el programa.</translation>
    </message>
    <message>
        <source>Korvelin Help</source>
        <translation>Ayuda de Korvelin</translation>
    </message>
</context>
<context>
    <name>kv::frmOptions</name>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Key Controls|Color Controls|Text Controls|Pictures|Additional Settings</source>
        <translation>Teclas|Colores|Textos|Imágenes|Otros ajustes</translation>
    </message>
    <message>
        <source>Start / Stop Contest Clock</source>
        <translation>Iniciar / parar reloj de combate</translation>
    </message>
    <message>
        <source>Reset Contest</source>
        <translation>Reiniciar combate</translation>
    </message>
    <message>
        <source># Clear Key</source>
        <translation># Tecla borrar</translation>
    </message>
    <message>
        <source>Numlock Options:</source>
        <translation>Bloq Num:</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Modo normal</translation>
    </message>
    <message>
        <source>Keep Numlock On</source>
        <translation>Siempre activo</translation>
    </message>
    <message>
        <source>Keep Numlock Off</source>
        <translation>Siempre inactivo</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Fondo:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>LED Background:</source>
        <translation>Fondo LED:</translation>
    </message>
    <message>
        <source>Border Color:</source>
        <translation>Bordes:</translation>
    </message>
    <message>
        <source>Score Color:</source>
        <translation>Puntuación:</translation>
    </message>
    <message>
        <source>Hold Color:</source>
        <translation>Osaekomi:</translation>
    </message>
    <message>
        <source>Time Color:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>LED Selected</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Ancho:</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Board Name:</source>
        <translation>Nombre del marcador:</translation>
    </message>
    <message>
        <source>Home Name:</source>
        <translation>Nombre del local:</translation>
    </message>
    <message>
        <source>Visitor Name:</source>
        <translation>Nombre del visitante:</translation>
    </message>
    <message>
        <source>Home Picture</source>
        <translation>Imagen del local</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Visitor Picture</source>
        <translation>Imagen del visitante</translation>
    </message>
    <message>
        <source>Digit Type:</source>
        <translation>Tipo de cifras:</translation>
    </message>
    <message>
        <source>Lines|Dots</source>
        <translation>Líneas|Puntos</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Muestra:</translation>
    </message>
    <message>
        <source>Buzzer sound:</source>
        <translation>Sonido de la bocina:</translation>
    </message>
    <message>
        <source>Change Sound ...</source>
        <translation>Cambiar sonido ...</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Sin sonido</translation>
    </message>
    <message>
        <source>Select Sound Key</source>
        <translation>Tecla de la bocina</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>kv::frmScoreboard</name>
    <message>
        <source>CONTEST TIME</source>
        <translation>TIEMPO DE COMBATE</translation>
    </message>
    <message>
        <source>WINNER</source>
        <translation>GANADOR</translation>
    </message>
</context>
<context>
    <name>kv::frmSplash</name>
    <message>
        <source>Click to continue.</source>
        <translation>Haga clic para seguir.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Press &apos; F2 &apos; to set Options from the scoreboard.</source>
        <translation>&apos; F2 &apos; abre las opciones desde el marcador.</translation>
    </message>
    <message>
        <source>Press &apos; F1 &apos; to view Help from the scoreboard.</source>
        <translation>&apos; F1 &apos; abre la ayuda desde el marcador.</translation>
    </message>
    <message>
        <source>by Brontique</source>
        <translation>por Brontique</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
</context>
</TS>
