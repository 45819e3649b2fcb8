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
    <name>kv::BoardView</name>
    <message>
        <source>Connection lost</source>
        <translation>Conexão perdida</translation>
    </message>
</context>
<context>
    <name>kv::BoardWebService</name>
    <message>
        <source>The board cannot be shown on the network: port %1 cannot be opened (%2).

Korvelin runs on without it. Choose another port in the options (F2, &quot;Network&quot;).</source>
        <translation>O placar não pode ser mostrado na rede: não é possível abrir a porta %1 (%2).

O Korvelin continua sem isso. Escolha outra porta nas opções (F2, “Rede”).</translation>
    </message>
</context>
<context>
    <name>kv::BrokerAddress</name>
    <message>
        <source>&quot;%1&quot; has no closing ]</source>
        <translation>“%1” não tem o ] de fechamento</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not HOST[:PORT]</source>
        <translation>“%1” não está na forma HOST[:PORT]</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no port after the colon</source>
        <translation>“%1” não tem porta depois dos dois-pontos</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv6 address</source>
        <translation>“%1” não é um endereço IPv6</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no host</source>
        <translation>“%1” não indica nenhum host</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name</source>
        <translation>“%1” não é um nome de host</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port number from 1 to 65535</source>
        <translation>“%1” não é um número de porta de 1 a 65535</translation>
    </message>
</context>
<context>
    <name>kv::CommandLine</name>
    <message>
        <source>skip the splash screen and open the scoreboard at once</source>
        <translation>pular as boas-vindas e abrir o placar na hora</translation>
    </message>
    <message>
        <source>open the audience display on the first screen without the board</source>
        <translation>abrir a tela do público na primeira tela sem o placar</translation>
    </message>
    <message>
        <source>open the audience display on screen N (counted from 1)</source>
        <translation>abrir a tela do público na tela N (contando a partir de 1)</translation>
    </message>
    <message>
        <source>show the board in browsers on the network, on the port of the
options (8090 unless changed): http://&lt;this computer&gt;:8090/</source>
        <translation>mostrar o placar em navegadores da rede, na porta das opções
(8090 se não for alterada): http://&lt;este computador&gt;:8090/</translation>
    </message>
    <message>
        <source>the same, on PORT (1 to 65535) for this run</source>
        <translation>o mesmo, na porta PORT (1 a 65535) nesta execução</translation>
    </message>
    <message>
        <source>show these options and end</source>
        <translation>mostrar estas opções e encerrar</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>A judo contest scoreboard.</source>
        <translation>Um placar para lutas de judô.</translation>
    </message>
    <message>
        <source>The board is not shown on the network: &quot;%1&quot; is not a port number. Use --serve for the port of the options or --serve=PORT with PORT from 1 to 65535.</source>
        <translation>O placar não é mostrado na rede: “%1” não é um número de porta. Use --serve para a porta das opções ou --serve=PORT com PORT de 1 a 65535.</translation>
    </message>
    <message>
        <source>The audience display was not opened: &quot;%1&quot; is not a screen number. Use --audience for the first free screen or --audience=N with N from 1 for the screen by number.</source>
        <translation>A tela do público não foi aberta: “%1” não é um número de tela. Use --audience para a primeira tela livre ou --audience=N com N a partir de 1 para a tela pelo número.</translation>
    </message>
    <message>
        <source>The board is not put on the broker: &quot;%1&quot; is not a mat number. Use --mat=N with N from 1 to 99.</source>
        <translation>O placar não é publicado no broker: “%1” não é um número de área. Use --mat=N com N de 1 a 99.</translation>
    </message>
    <message>
        <source>The broker is not used: %1. Use --broker=HOST or --broker=HOST:PORT.</source>
        <translation>O broker não é usado: %1. Use --broker=HOST ou --broker=HOST:PORT.</translation>
    </message>
    <message>
        <source>this board is mat N (1 to 99) on the hall&apos;s broker</source>
        <translation>este placar é a área N (1 a 99) no broker do ginásio</translation>
    </message>
    <message>
        <source>publish the board on the hall&apos;s MQTT broker (port 1883 unless
given) for this run; with --hall, the broker to show</source>
        <translation>publicar o placar no broker MQTT do ginásio nesta execução
(porta 1883 se não for indicada); com --hall, o broker a mostrar</translation>
    </message>
    <message>
        <source>reach the broker with TLS (port 8883 unless given)</source>
        <translation>conectar ao broker com TLS (porta 8883 se não for indicada)</translation>
    </message>
    <message>
        <source>the user name at the broker; the password is the options&apos;</source>
        <translation>o nome de usuário no broker; a senha é a das opções</translation>
    </message>
    <message>
        <source>the hall view: every mat on the broker, one compact board each</source>
        <translation>a visão do ginásio: cada área do broker num placar compacto</translation>
    </message>
</context>
<context>
    <name>kv::ContestRecorder</name>
    <message>
        <source>nothing to undo</source>
        <translation>nada a desfazer</translation>
    </message>
    <message>
        <source>undone: %1</source>
        <extracomment>%1 is what was undone (&quot;shido Visitor&quot;)</extracomment>
        <translation>desfeito: %1</translation>
    </message>
    <message>
        <source>the results cannot be saved</source>
        <translation>não é possível salvar os resultados</translation>
    </message>
</context>
<context>
    <name>kv::EventText</name>
    <message>
        <source>clock started</source>
        <translation>relógio iniciado</translation>
    </message>
    <message>
        <source>clock stopped</source>
        <translation>relógio parado</translation>
    </message>
    <message>
        <source>time up</source>
        <translation>tempo esgotado</translation>
    </message>
    <message>
        <source>osaekomi</source>
        <translation>osaekomi</translation>
    </message>
    <message>
        <source>toketa</source>
        <translation>toketa</translation>
    </message>
    <message>
        <source>ippon</source>
        <translation>ippon</translation>
    </message>
    <message>
        <source>waza-ari</source>
        <translation>waza-ari</translation>
    </message>
    <message>
        <source>yuko</source>
        <translation>yuko</translation>
    </message>
    <message>
        <source>shido</source>
        <translation>shido</translation>
    </message>
    <message>
        <source>medical</source>
        <translation>atendimento médico</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>vencedor</translation>
    </message>
    <message>
        <source>golden score</source>
        <translation>golden score</translation>
    </message>
    <message>
        <source>contest length</source>
        <translation>duração da luta</translation>
    </message>
    <message>
        <source>undo</source>
        <translation>desfazer</translation>
    </message>
    <message>
        <source>reset</source>
        <translation>reinício</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>%1 is what happened (&quot;shido&quot;), %2 the side (&quot;Visitor&quot;)</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>kv::HallWindow</name>
    <message>
        <source>Waiting for the mats on %1:%2</source>
        <translation>Aguardando as áreas em %1:%2</translation>
    </message>
    <message>
        <source>Korvelin hall</source>
        <translation>Korvelin – visão do ginásio</translation>
    </message>
    <message>
        <source>broker offline</source>
        <translation>broker desconectado</translation>
    </message>
    <message>
        <source>Waiting for the mats</source>
        <translation>Aguardando as áreas</translation>
    </message>
</context>
<context>
    <name>kv::JournalKeeper</name>
    <message>
        <source>Close Korvelin</source>
        <translation>Fechar o Korvelin</translation>
    </message>
    <message>
        <source>A contest is running. Close Korvelin anyway?</source>
        <translation>Há uma luta em andamento. Fechar o Korvelin mesmo assim?</translation>
    </message>
    <message>
        <source>contest restored</source>
        <translation>luta recuperada</translation>
    </message>
    <message>
        <source>the contest cannot be saved</source>
        <translation>não é possível salvar a luta</translation>
    </message>
</context>
<context>
    <name>kv::KeyNames</name>
    <message>
        <source>Backspace</source>
        <extracomment>A key&apos;s name as the keyboards of the language print it.</extracomment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Pause/Break</source>
        <translation>Pause/Break</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Numpad *</source>
        <translation>Num *</translation>
    </message>
    <message>
        <source>Numpad /</source>
        <translation>Num /</translation>
    </message>
</context>
<context>
    <name>kv::KorvelinApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>Korvelin has met an unexpected error and must close.

%1</source>
        <translation>O Korvelin encontrou um erro inesperado e precisa fechar.

%1</translation>
    </message>
    <message>
        <source>The hall view needs the hall&apos;s message broker: korvelin --hall --broker=HOST[:PORT], or a broker in the options (F2, &quot;Network&quot;).</source>
        <translation>A visão do ginásio precisa do broker de mensagens do ginásio: korvelin --hall --broker=HOST[:PORT], ou um broker nas opções (F2, “Rede”).</translation>
    </message>
</context>
<context>
    <name>kv::MatBoard</name>
    <message>
        <source>MAT %1</source>
        <translation>ÁREA %1</translation>
    </message>
    <message>
        <source>SHIDO</source>
        <translation>SHIDO</translation>
    </message>
    <message>
        <source>GOLDEN SCORE</source>
        <translation>GOLDEN SCORE</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>desconectado</translation>
    </message>
</context>
<context>
    <name>kv::MatService</name>
    <message>
        <source>The broker &quot;%1&quot; is not used: %2.</source>
        <translation>O broker “%1” não é usado: %2.</translation>
    </message>
    <message>
        <source>broker offline</source>
        <translation>broker desconectado</translation>
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
    <message>
        <source>Choose Key</source>
        <translation>Escolher tecla</translation>
    </message>
    <message>
        <source>Press the key you would like to %1.</source>
        <extracomment>%1 is the action, as &quot;start / stop the contest clock&quot;.</extracomment>
        <translation>Aperte a tecla com que deseja %1.</translation>
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
    <message>
        <source>Pictures (*.bmp;*.gif;*.jpg)</source>
        <translation>Imagens (*.bmp;*.gif;*.jpg)</translation>
    </message>
    <message>
        <source>Sounds *.wav</source>
        <translation>Sons *.wav</translation>
    </message>
    <message>
        <source>[No File Selected]</source>
        <translation>[Nenhum arquivo escolhido]</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>start / stop the contest clock</source>
        <translation>iniciar e parar o relógio da luta</translation>
    </message>
    <message>
        <source>reset the contest clock</source>
        <translation>reiniciar a luta</translation>
    </message>
    <message>
        <source>sound the buzzer</source>
        <translation>tocar a buzina</translation>
    </message>
    <message>
        <source>clear a number</source>
        <translation>apagar um número</translation>
    </message>
    <message>
        <source>Rule set</source>
        <translation>Regras</translation>
    </message>
    <message>
        <source>The rule set cannot change while a contest is under way: this contest goes on under %1.

Press the reset key to end the contest, then choose %2 again.</source>
        <translation>As regras não podem mudar com uma luta em andamento: esta luta continua com %1.

Aperte a tecla de reinício para encerrar a luta e escolha %2 de novo.</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the colors?</source>
        <translation>Tem certeza de que deseja restaurar as cores?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keys?</source>
        <translation>Tem certeza de que deseja restaurar as teclas?</translation>
    </message>
    <message>
        <source>Change Picture</source>
        <translation>Alterar imagem</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read as a picture.

Please choose a bmp, gif or jpg picture file.</source>
        <translation>O arquivo “%1” não pode ser lido como imagem.

Escolha um arquivo de imagem bmp, gif ou jpg.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the settings store cannot be written (is it read-only, or the disk full?).

The new settings apply until Korvelin is closed.</source>
        <translation>Não foi possível salvar as configurações: o armazenamento das configurações não pode ser gravado (somente leitura ou disco cheio?).

As novas configurações valem até o Korvelin ser fechado.</translation>
    </message>
    <message>
        <source>Rule set:</source>
        <translation>Regras:</translation>
    </message>
    <message>
        <source>Classic|IJF 2018|IJF 2025</source>
        <translation>Clássico|IJF 2018|IJF 2025</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoria:</translation>
    </message>
    <message>
        <source>None|Seniors 4:00|U21 4:00|U18 4:00|U15 3:00|Veterans 3:00|Children 2:00</source>
        <translation>Nenhuma|Sênior 4:00|Sub-21 4:00|Sub-18 4:00|Sub-15 3:00|Veteranos 3:00|Infantil 2:00</translation>
    </message>
    <message>
        <source>Golden score limit:</source>
        <translation>Limite do golden score:</translation>
    </message>
    <message>
        <source>Unlimited|1 minute|2 minutes|3 minutes|4 minutes|5 minutes|None</source>
        <translation>Ilimitado|1 minuto|2 minutos|3 minutos|4 minutos|5 minutos|Nenhum</translation>
    </message>
    <message>
        <source>Osaekomi:</source>
        <translation>Osaekomi:</translation>
    </message>
    <message>
        <source>Score holds automatically</source>
        <translation>Pontuar imobilizações</translation>
    </message>
    <message>
        <source>A category fills the contest length and the golden-score limit; the length can still be typed on the contest clock. The rule set changes only between contests: press the reset key first.</source>
        <translation>Uma categoria define a duração e o limite do golden score; a duração ainda pode ser digitada no relógio. As regras só mudam entre lutas: aperte antes a tecla de reinício.</translation>
    </message>
    <message>
        <source>Key Controls|Color Controls|Text Controls|Pictures|Additional Settings|Rules|Network</source>
        <translation>Teclas|Cores|Textos|Imagens|Outros ajustes|Regras|Rede</translation>
    </message>
    <message>
        <source>Show the board in browsers on the network:</source>
        <translation>Mostrar o placar em navegadores da rede:</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>On, on port:</source>
        <translation>Sim, na porta:</translation>
    </message>
    <message>
        <source>Any browser on the hall&apos;s network then shows the board at the address in the board&apos;s title bar (http://this computer:port/), a stream overlay at /overlay and the state as JSON at /state. Nothing on the network can change the contest.</source>
        <translation>Qualquer navegador da rede do ginásio mostra então o placar no endereço da barra de título (http://este computador:porta/), uma barra para transmissões em /overlay e o estado em JSON em /state. Pela rede nada pode mudar a luta.</translation>
    </message>
    <message>
        <source>undo the last change</source>
        <translation>desfazer a última alteração</translation>
    </message>
    <message>
        <source>Undo Last Change</source>
        <translation>Desfazer última alteração</translation>
    </message>
    <message>
        <source>The hall&apos;s message broker (MQTT):</source>
        <translation>Broker de mensagens do ginásio (MQTT):</translation>
    </message>
    <message>
        <source>Broker (host:port):</source>
        <translation>Broker (host:porta):</translation>
    </message>
    <message>
        <source>This board is mat:</source>
        <translation>Este placar é a área:</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Usuário:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>Empty: on no broker. The board publishes its state, results and presence under korvelin/mat/N/.</source>
        <translation>Vazio: em nenhum broker. O placar publica seu estado, resultados e presença em korvelin/mat/N/.</translation>
    </message>
</context>
<context>
    <name>kv::frmResults</name>
    <message>
        <source>ippon %1</source>
        <translation>ippon %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>ippon</source>
        <translation>ippon</translation>
    </message>
    <message>
        <source>waza-ari</source>
        <translation>waza-ari</translation>
    </message>
    <message>
        <source>yuko</source>
        <translation>yuko</translation>
    </message>
    <message>
        <source>hansoku-make</source>
        <translation>hansoku-make</translation>
    </message>
    <message>
        <source>decision</source>
        <translation>decisão</translation>
    </message>
    <message>
        <source>golden score</source>
        <translation>golden score</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clássico</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>How</source>
        <translation>Como</translation>
    </message>
    <message>
        <source>Home score</source>
        <translation>Pontos casa</translation>
    </message>
    <message>
        <source>Visitor score</source>
        <translation>Pontos visitante</translation>
    </message>
    <message>
        <source>Time used</source>
        <translation>Tempo de luta</translation>
    </message>
    <message>
        <source>Rule set</source>
        <translation>Regras</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>The results cannot be read: %1</source>
        <translation>Não é possível ler os resultados: %1</translation>
    </message>
    <message>
        <source>No contests on %1.</source>
        <translation>Nenhuma luta em %1.</translation>
    </message>
    <message>
        <source>1 contest on %1</source>
        <translation>1 luta em %1</translation>
    </message>
    <message>
        <source>%1 contests on %2</source>
        <translation>%1 lutas em %2</translation>
    </message>
    <message>
        <source>(1 damaged line skipped)</source>
        <translation>(1 linha danificada ignorada)</translation>
    </message>
    <message>
        <source>(%1 damaged lines skipped)</source>
        <translation>(%1 linhas danificadas ignoradas)</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Arquivos CSV</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>The results cannot be written to %1: %2</source>
        <translation>Não é possível gravar os resultados em %1: %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened.</source>
        <translation>Não é possível abrir a pasta %1.</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Vencedor</translation>
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
    <message>
        <source>GOLDEN SCORE</source>
        <translation>GOLDEN SCORE</translation>
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
