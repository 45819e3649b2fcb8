<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>kv::AudienceWindow</name>
    <message>
        <source>Korvelin audience display</source>
        <translation>Korvelin – tela do público</translation>
    </message>
</context>
<context>
    <name>kv::SideNames</name>
    <message>
        <source>Home</source>
        <translation>Casa</translation>
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
        <translation>Tecla inválida: escolha outra ou feche esta janela para voltar.</translation>
    </message>
</context>
<context>
    <name>kv::frmHelp</name>
    <message>
        <source>Help file has been moved from its normal location.  Please reinstall the program.</source>
        <translation>O arquivo de ajuda não está mais no local habitual.  Reinstale o programa.</translation>
    </message>
    <message>
        <source>Help file cannot be read.  Please reinstall the program.</source>
        <translation>Não é possível ler o arquivo de ajuda.  Reinstale o programa.</translation>
    </message>
    <message>
        <source>Korvelin Help</source>
        <translation>Ajuda do Korvelin</translation>
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
        <translation>Teclas|Cores|Textos|Imagens|Outras configurações</translation>
    </message>
    <message>
        <source>Start / Stop Contest Clock</source>
        <translation>Iniciar / parar relógio da luta</translation>
    </message>
    <message>
        <source>Reset Contest</source>
        <translation>Reiniciar luta</translation>
    </message>
    <message>
        <source># Clear Key</source>
        <translation># Tecla apagar</translation>
    </message>
    <message>
        <source>Numlock Options:</source>
        <translation>Num Lock:</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Modo normal</translation>
    </message>
    <message>
        <source>Keep Numlock On</source>
        <translation>Sempre ligado</translation>
    </message>
    <message>
        <source>Keep Numlock Off</source>
        <translation>Sempre desligado</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Fundo:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>LED Background:</source>
        <translation>Fundo LED:</translation>
    </message>
    <message>
        <source>Border Color:</source>
        <translation>Bordas:</translation>
    </message>
    <message>
        <source>Score Color:</source>
        <translation>Pontuação:</translation>
    </message>
    <message>
        <source>Hold Color:</source>
        <translation>Osaekomi:</translation>
    </message>
    <message>
        <source>Time Color:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>LED Selected</source>
        <translation>Seleção</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Larg.:</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Board Name:</source>
        <translation>Nome do placar:</translation>
    </message>
    <message>
        <source>Home Name:</source>
        <translation>Nome da casa:</translation>
    </message>
    <message>
        <source>Visitor Name:</source>
        <translation>Nome do visitante:</translation>
    </message>
    <message>
        <source>Home Picture</source>
        <translation>Imagem da casa</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Visitor Picture</source>
        <translation>Imagem do visitante</translation>
    </message>
    <message>
        <source>Digit Type:</source>
        <translation>Tipo de dígito:</translation>
    </message>
    <message>
        <source>Lines|Dots</source>
        <translation>Linhas|Pontos</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Prévia:</translation>
    </message>
    <message>
        <source>Buzzer sound:</source>
        <translation>Som da buzina:</translation>
    </message>
    <message>
        <source>Change Sound ...</source>
        <translation>Alterar som ...</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Sem som</translation>
    </message>
    <message>
        <source>Select Sound Key</source>
        <translation>Tecla da buzina</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
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
        <translation>TEMPO DE LUTA</translation>
    </message>
    <message>
        <source>WINNER</source>
        <translation>VENCEDOR</translation>
    </message>
</context>
<context>
    <name>kv::frmSplash</name>
    <message>
        <source>Click to continue.</source>
        <translation>Clique para continuar.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Press &apos; F2 &apos; to set Options from the scoreboard.</source>
        <translation>&apos; F2 &apos; abre as opções a partir do placar.</translation>
    </message>
    <message>
        <source>Press &apos; F1 &apos; to view Help from the scoreboard.</source>
        <translation>&apos; F1 &apos; abre a ajuda a partir do placar.</translation>
    </message>
    <message>
        <source>by Brontique</source>
        <translation>por Brontique</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versão %1.%2.%3</translation>
    </message>
</context>
</TS>
