<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca_ES">
<context>
    <name>BackupListing</name>
    <message>
        <source>No hay copias de tablas sustituidas en %1</source>
        <translation>No hi ha còpies de taules substituïdes a %1</translation>
    </message>
    <message>
        <source>No existe la copia %1 en %2</source>
        <translation>No existeix la còpia %1 a %2</translation>
    </message>
</context>
<context>
    <name>BackupManifest</name>
    <message>
        <source>centro desconocido</source>
        <translation>centre desconegut</translation>
    </message>
</context>
<context>
    <name>CentreDocument</name>
    <message>
        <source>%1 no es un documento de centro de GestIB: su elemento raíz es %2, no CENTRE</source>
        <translation>%1 no és un document de centre de GestIB: el seu element arrel és %2, no CENTRE</translation>
    </message>
</context>
<context>
    <name>CheckOutcome</name>
    <message>
        <source>Comprobación con avisos: revíselos antes de importar. No se ha modificado nada.</source>
        <translation>Comprovació amb avisos: revisau-los abans d&apos;importar. No s&apos;ha modificat res.</translation>
    </message>
    <message>
        <source>Comprobación sin avisos. No se ha modificado nada.</source>
        <translation>Comprovació sense avisos. No s&apos;ha modificat res.</translation>
    </message>
    <message>
        <source>La importación escribiría:</source>
        <translation>La importació escriuria:</translation>
    </message>
    <message>
        <source>Una comprobación no sustituye ninguna tabla ni hace copia de ellas.</source>
        <translation>Una comprovació no substitueix cap taula ni en fa còpia.</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <source>no existe la carpeta de trabajo %1</source>
        <translation>no existeix la carpeta de treball %1</translation>
    </message>
    <message>
        <source>no se puede usar la carpeta de trabajo %1: %2</source>
        <translation>no es pot usar la carpeta de treball %1: %2</translation>
    </message>
    <message>
        <source>transtarquoib-cli: %1
Pruebe «transtarquoib-cli --help».</source>
        <translation>transtarquoib-cli: %1
Provau «transtarquoib-cli --help».</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>%1 necesita el archivo XML del centro</source>
        <translation>%1 necessita el fitxer XML del centre</translation>
    </message>
    <message>
        <source>sobra el argumento %1</source>
        <translation>sobra l&apos;argument %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 y --%2 no pueden ir juntas</source>
        <translation>--%1 i --%2 no poden anar juntes</translation>
    </message>
    <message>
        <source>opción desconocida: %1</source>
        <translation>opció desconeguda: %1</translation>
    </message>
    <message>
        <source>la opción %1 no lleva valor</source>
        <translation>l&apos;opció %1 no admet cap valor</translation>
    </message>
    <message>
        <source>falta el valor de la opción %1</source>
        <translation>falta el valor de l&apos;opció %1</translation>
    </message>
    <message>
        <source>la orden %1 no admite %2</source>
        <translation>l&apos;ordre %1 no admet %2</translation>
    </message>
    <message>
        <source>%1 o %2</source>
        <extracomment>The last two of a list of commands: &quot;exportar, importar, restaurar&quot; and &quot;comparar&quot;.</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>falta la orden: %1</source>
        <translation>falta l&apos;ordre: %1</translation>
    </message>
    <message>
        <source>orden desconocida: %1 (%2)</source>
        <translation>ordre desconeguda: %1 (%2)</translation>
    </message>
    <message>
        <source>Uso: transtarquoib-cli ORDEN ARCHIVO [OPCIONES]

Convierte entre GestIB y Velarix sin ventanas, como TransTarquoIB.
Las órdenes valen en mayúsculas o minúsculas (EXPORTAR, Comprobar).

Órdenes:
</source>
        <translation>Ús: transtarquoib-cli ORDRE FITXER [OPCIONS]

Converteix entre GestIB i Velarix sense finestres, com TransTarquoIB.
Les ordres valen en majúscules o minúscules (EXPORTAR, Comprobar).

Ordres:
</translation>
    </message>
    <message>
        <source>
Opciones comunes:
  --carpeta CARPETA     Carpeta de trabajo en lugar de C:\VTEMP.
  --json                El resumen en JSON por la salida estándar (no en
                        plantilla).
  --version             La versión.
  -h, --help            Esta ayuda.
Las rutas pueden escribirse también como rutas de Windows (C:\..., Z:\...).
Los mensajes van a la salida de errores.

Salida:
  0  terminado (comprobar: la importación terminaría sin avisos)
  1  error, o proceso no terminado
  2  uso incorrecto, o archivo de niveles ilegible
  3  faltan niveles o cursos
  4  el archivo no es un documento de centro de GestIB
  5  una tabla está abierta por otro programa
  6  comprobar: la importación terminaría, con avisos (cursos sin nivel,
     niveles que coinciden, abreviaturas cambiadas, códigos de la solución
     que no están en las tablas, cursos del archivo de niveles que el
     documento no tiene)
</source>
        <translation>
Opcions comunes:
  --carpeta CARPETA     Carpeta de treball en lloc de C:\VTEMP.
  --json                El resum en JSON per la sortida estàndard (no a
                        plantilla).
  --version             La versió.
  -h, --help            Aquesta ajuda.
Els camins es poden escriure també com a camins de Windows (C:\..., Z:\...).
Els missatges van a la sortida d&apos;errors.

Sortida:
  0  acabat (comprobar: la importació acabaria sense avisos)
  1  error, o procés no acabat
  2  ús incorrecte, o fitxer de nivells il·legible
  3  falten nivells o cursos
  4  el fitxer no és un document de centre de GestIB
  5  una taula és oberta per un altre programa
  6  comprobar: la importació acabaria, amb avisos (cursos sense nivell,
     nivells que coincideixen, abreviatures canviades, codis de la solució
     que no són a les taules, cursos del fitxer de nivells que el
     document no té)
</translation>
    </message>
</context>
<context>
    <name>CommandLineHelp</name>
    <message>
        <source>Uso: TransTarquoIB
     TransTarquoIB exportar|importar X
     TransTarquoIB --version|--help

Pasa los datos de un centro entre GestIB y el programa de horarios Velarix.

Sin parámetros abre la ventana principal:
  botón de la izquierda   de GestIB hacia Velarix: lee el archivo XML del
                          centro exportado de GestIB y escribe las tablas de
                          trabajo de Velarix, pidiendo el nivel y el curso de
                          cada curso.
  botón de la derecha     de Velarix hacia GestIB: lee el horario de Velarix
                          (tabla SOLUC) y escribe &quot;SolucioHorari.xml&quot; en la
                          carpeta del archivo elegido.

Con dos parámetros lo inicia Velarix: hace él solo la transformación que
nombra el primero, en mayúsculas o minúsculas (el segundo no se lee), y se
cierra al terminar:
  exportar X              de GestIB hacia Velarix
  importar X              de Velarix hacia GestIB
El resultado queda en &quot;Velarix.ini&quot;, junto al programa: sección
[Transformadores], clave Transformado: 1 hecho, -1 sin archivo del centro,
0 en otro caso.

Carpeta de trabajo: C:\VTEMP. Fuera de Windows es la carpeta VTEMP de la
unidad C: de Wine, $WINEPREFIX/drive_c/VTEMP (~/.wine/drive_c/VTEMP si
WINEPREFIX no está definida).

  --version               Muestra la versión.
  --help                  Muestra esta ayuda.

Sin ventanas, para guiones y servidores: transtarquoib-cli --help.
</source>
        <translation>Ús: TransTarquoIB
    TransTarquoIB exportar|importar X
    TransTarquoIB --version|--help

Passa les dades d&apos;un centre entre GestIB i el programa d&apos;horaris Velarix.

Sense paràmetres obre la finestra principal:
  botó de l&apos;esquerra      de GestIB cap a Velarix: llegeix el fitxer XML del
                          centre exportat de GestIB i escriu les taules de
                          treball de Velarix, demanant el nivell i el curs de
                          cada curs.
  botó de la dreta        de Velarix cap a GestIB: llegeix l&apos;horari de Velarix
                          (taula SOLUC) i escriu &quot;SolucioHorari.xml&quot; a la
                          carpeta del fitxer triat.

Amb dos paràmetres l&apos;inicia Velarix: fa tot sol la transformació que
anomena el primer, en majúscules o minúscules (el segon no es llegeix), i es
tanca en acabar:
  exportar X              de GestIB cap a Velarix
  importar X              de Velarix cap a GestIB
El resultat queda a &quot;Velarix.ini&quot;, al costat del programa: secció
[Transformadores], clau Transformado: 1 fet, -1 sense fitxer del centre,
0 en qualsevol altre cas.

Carpeta de treball: C:\VTEMP. Fora de Windows és la carpeta VTEMP de la
unitat C: de Wine, $WINEPREFIX/drive_c/VTEMP (~/.wine/drive_c/VTEMP si
WINEPREFIX no està definida).

  --version               Mostra la versió.
  --help                  Mostra aquesta ajuda.

Sense finestres, per a scripts i servidors: transtarquoib-cli --help.
</translation>
    </message>
</context>
<context>
    <name>CommandLineInteraction</name>
    <message>
        <source>Aceptar</source>
        <translation>Accepta</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>Sí</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>sin respuesta</source>
        <translation>sense resposta</translation>
    </message>
    <message>
        <source>Trabajando…</source>
        <translation>Treballant…</translation>
    </message>
    <message>
        <source>Comprobación terminada.</source>
        <translation>Comprovació acabada.</translation>
    </message>
    <message>
        <source>Tablas terminadas.</source>
        <translation>Taules acabades.</translation>
    </message>
    <message>
        <source>Aviso: %1, línea %2: el documento no tiene el curso %3; la línea no se usa.</source>
        <translation>Avís: %1, línia %2: el document no té el curs %3; la línia no s&apos;usa.</translation>
    </message>
    <message>
        <source>Niveles y cursos: %1 cursos con nivel y curso.</source>
        <translation>Nivells i cursos: %1 cursos amb nivell i curs.</translation>
    </message>
    <message>
        <source>Niveles y cursos: 1 curso con nivel y curso.</source>
        <translation>Nivells i cursos: 1 curs amb nivell i curs.</translation>
    </message>
</context>
<context>
    <name>CommandReport</name>
    <message>
        <source>Cursos sin nivel o sin curso (%1):</source>
        <translation>Cursos sense nivell o sense curs (%1):</translation>
    </message>
    <message>
        <source>Códigos de la solución que no están en las tablas:</source>
        <translation>Codis de la solució que no són a les taules:</translation>
    </message>
    <message>
        <source>    %1: %2 sesiones; %3</source>
        <translation>    %1: %2 sessions; %3</translation>
    </message>
    <message>
        <source>%1, línea %2: el nivel «%3» del curso %4 lleva minúsculas; en GestIB los niveles se escriben en mayúsculas, y los códigos de los grupos llevan el nivel tal como está escrito</source>
        <translation>%1, línia %2: el nivell «%3» del curs %4 du minúscules; a GestIB els nivells s&apos;escriuen en majúscules, i els codis dels grups duen el nivell tal com està escrit</translation>
    </message>
    <message>
        <source>    %1: 1 sesión; %2</source>
        <translation>    %1: 1 sessió; %2</translation>
    </message>
</context>
<context>
    <name>CompararCommand</name>
    <message>
        <source>La copia %1 de %2 no está completa: no se compara</source>
        <translation>La còpia %1 de %2 no és completa: no es compara</translation>
    </message>
    <message>
        <source>sin tablas</source>
        <translation>sense taules</translation>
    </message>
    <message>
        <source>la carpeta de trabajo (%1)</source>
        <translation>la carpeta de treball (%1)</translation>
    </message>
    <message>
        <source>la copia %1 (%2)</source>
        <translation>la còpia %1 (%2)</translation>
    </message>
    <message>
        <source>  comparar [A] [B]      Compara dos juegos de tablas por sus códigos de GestIB:
                        profesores, asignaturas, aulas, cursos y grupos
                        nuevos, desaparecidos o con otro nombre, y las filas
                        de cada tabla. A y B son copias (por su fecha) o
                        &quot;actual&quot;, la carpeta de trabajo; sin ellas, la copia
                        más reciente con la carpeta de trabajo.
</source>
        <translation>  comparar [A] [B]      Compara dos jocs de taules pels seus codis de GestIB:
                        professors, assignatures, aules, cursos i grups
                        nous, desapareguts o amb un altre nom, i les files
                        de cada taula. A i B són còpies (per la seva data) o
                        &quot;actual&quot;, la carpeta de treball; sense elles, la
                        còpia més recent amb la carpeta de treball.
</translation>
    </message>
    <message>
        <source>De %1 a %2:</source>
        <translation>De %1 a %2:</translation>
    </message>
    <message>
        <source>Filas de cada tabla:</source>
        <translation>Files de cada taula:</translation>
    </message>
    <message>
        <source>Los mismos códigos, con los mismos nombres.</source>
        <translation>Els mateixos codis, amb els mateixos noms.</translation>
    </message>
    <message>
        <source>Cambios por código:</source>
        <translation>Canvis per codi:</translation>
    </message>
</context>
<context>
    <name>ComprobarCommand</name>
    <message>
        <source>No se puede leer la solución %1: %2</source>
        <translation>No es pot llegir la solució %1: %2</translation>
    </message>
    <message>
        <source>  comprobar CENTRE.xml  Lee el archivo del centro y dice qué escribiría
                        exportar, sin tocar nada: filas por tabla, códigos
                        cortos numerados, cursos sin nivel y niveles que
                        coinciden en sus 5 primeros caracteres. Admite
                        --niveles, --recuperar/--no-recuperar, --lineas/--sin-lineas y
      --solucion ARCHIVO  una tabla SOLUC cuyos códigos se buscan en las tablas.
                        Si hay avisos, la salida es 6.
</source>
        <translation>  comprobar CENTRE.xml  Llegeix el fitxer del centre i diu què escriuria
                        exportar, sense tocar res: files per taula, codis
                        curts numerats, cursos sense nivell i nivells que
                        coincideixen en els 5 primers caràcters. Admet
                        --niveles, --recuperar/--no-recuperar, --lineas/--sin-lineas i
      --solucion FITXER   una taula SOLUC els codis de la qual es cerquen a les taules.
                        Si hi ha avisos, la sortida és 6.
</translation>
    </message>
    <message>
        <source>No se puede crear una carpeta temporal: %1</source>
        <translation>No es pot crear una carpeta temporal: %1</translation>
    </message>
    <message>
        <source>No se puede copiar %1 a una carpeta temporal: %2</source>
        <translation>No es pot copiar %1 a una carpeta temporal: %2</translation>
    </message>
</context>
<context>
    <name>ControlCursosWindow</name>
    <message>
        <source>ASIGNACIÓN DE NIVELES Y CURSOS</source>
        <translation>ASSIGNACIÓ DE NIVELLS I CURSOS</translation>
    </message>
    <message>
        <source>INCIDENCIAS EN EL TRASPASO</source>
        <translation>INCIDÈNCIES EN EL TRASPÀS</translation>
    </message>
    <message>
        <source>Se ha detectado que falta por indicar algún NIVEL  o CURSO. Complete el/los datos que falten, para poder concluir el proceso, antes de Salir.</source>
        <translation>S&apos;ha detectat que falta indicar algun NIVELL  o CURS. Completau la dada o les dades que faltin, per poder acabar el procés, abans de Sortir.</translation>
    </message>
    <message>
        <source>¡ IMPORTANTE !</source>
        <translation>IMPORTANT!</translation>
    </message>
    <message>
        <source>Las Abreviaturas de sus Grupos (Unidades), se formarán, en función del NIVEL y CURSO, del siguiente modo: </source>
        <translation>Les Abreviatures dels seus Grups (Unitats) es formaran, segons el NIVELL i el CURS, d&apos;aquesta manera: </translation>
    </message>
    <message>
        <source>Por ejemplo, NIVEL=ESO y CURSO=1 daría como resultado</source>
        <translation>Per exemple, NIVELL=ESO i CURS=1 donaria com a resultat</translation>
    </message>
    <message>
        <source>Abreviatura del Grupo = ESO1A</source>
        <translation>Abreviatura del Grup = ESO1A</translation>
    </message>
    <message>
        <source>y así secuencialmente para el resto de Grupos del mismo NIVEL y CURSO, ESO1B, ESO1C.</source>
        <translation>i així successivament per a la resta de Grups del mateix NIVELL i CURS, ESO1B, ESO1C.</translation>
    </message>
    <message>
        <source>Ejemplos de Niveles: BCT=Bach.C.T., BHC=Bach.Hum., BT=Bach.Tecnol., LS=Leng.Signos, GAD=Gest.Admin., EDSO=ESO Diversificación, etc...</source>
        <translation>Exemples de Nivells: BCT=Batx.C.T., BHC=Batx.Hum., BT=Batx.Tecnol., LS=Llengua Signes, GAD=Gest.Admin., EDSO=ESO Diversificació, etc.</translation>
    </message>
    <message>
        <source>Luego es de vital IMPORTANCIA que para cada NIVEL sus 5 Primeros caracteres sean DISTINTOS.</source>
        <translation>És de vital IMPORTÀNCIA que els 5 Primers caràcters de cada NIVELL siguin DIFERENTS.</translation>
    </message>
    <message>
        <source>¡ Atención ! Si fuerza la Salida, no se escribe NADA de esta importación.</source>
        <translation>Atenció! Si forçau la Sortida, no s&apos;escriu RES d&apos;aquesta importació.</translation>
    </message>
    <message>
        <source>Forzar Salida Sin Terminar Proceso </source>
        <translation>Forçar Sortida Sense Acabar Procés </translation>
    </message>
    <message>
        <source>Ir al primer registro</source>
        <translation>Anar al primer registre</translation>
    </message>
    <message>
        <source>Retroceder 10 registros</source>
        <translation>Retrocedir 10 registres</translation>
    </message>
    <message>
        <source>Ir al registro anterior</source>
        <translation>Anar al registre anterior</translation>
    </message>
    <message>
        <source>Ir al registro siguiente</source>
        <translation>Anar al registre següent</translation>
    </message>
    <message>
        <source>Avanzar 10 registros</source>
        <translation>Avançar 10 registres</translation>
    </message>
    <message>
        <source>Ir al último registro</source>
        <translation>Anar a l&apos;últim registre</translation>
    </message>
    <message>
        <source>Modificar el registro actual</source>
        <translation>Modificar el registre actual</translation>
    </message>
    <message>
        <source>Guardar los cambios del registro actual</source>
        <translation>Desar els canvis del registre actual</translation>
    </message>
    <message>
        <source>Cancelar los cambios del registro actual</source>
        <translation>Cancel·lar els canvis del registre actual</translation>
    </message>
    <message>
        <source>Volver a leer los datos de la tabla</source>
        <translation>Tornar a llegir les dades de la taula</translation>
    </message>
    <message>
        <source>&amp;Sugerir</source>
        <translation>&amp;Suggerir</translation>
    </message>
    <message>
        <source>Rellena los NIVEL y CURSO vacíos con lo que propone la descripción de cada curso. Revise las celdas marcadas en verde.</source>
        <translation>Omple els NIVELL i CURS buits amb el que proposa la descripció de cada curs. Revisau les cel·les marcades en verd.</translation>
    </message>
    <message>
        <source>%1 admite %2 caracteres</source>
        <translation>%1 admet %2 caràcters</translation>
    </message>
</context>
<context>
    <name>CopiasCommand</name>
    <message>
        <source>%1  %2  1 fila</source>
        <translation>%1  %2  1 fila</translation>
    </message>
    <message>
        <source>%1  %2  %3 filas</source>
        <translation>%1  %2  %3 files</translation>
    </message>
    <message>
        <source>  copias                Lista las copias de las tablas que cada importación
                        sustituyó, en C:\VTEMP\Copias (se guardan las 10 más
                        recientes): fecha, centro y filas.
</source>
        <translation>  copias                Llista les còpies de les taules que cada importació
                        va substituir, a C:\VTEMP\Copias (es guarden les 10 més
                        recents): data, centre i files.
</translation>
    </message>
    <message>
        <source>No son copias completas, y no se usan: %1</source>
        <translation>No són còpies completes, i no s&apos;empren: %1</translation>
    </message>
</context>
<context>
    <name>CrearLineasAsignaturas</name>
    <message>
        <source>Creación automática de Líneas de Asignaturas</source>
        <translation>Creació automàtica de Línies d&apos;Assignatures</translation>
    </message>
    <message>
        <source>¿Quiere crear automáticamente las Líneas de Asignaturas </source>
        <translation>Voleu crear automàticament les Línies d&apos;Assignatures </translation>
    </message>
    <message>
        <source>que esta aplicación estime necesarias para cada Grupo? </source>
        <translation>que aquesta aplicació consideri necessàries per a cada Grup? </translation>
    </message>
    <message>
        <source>Seguramente se crearán más líneas de las necesarias, </source>
        <translation>Segurament se&apos;n crearan més de les necessàries, </translation>
    </message>
    <message>
        <source>pero podrá eliminar las que considere innecesarias. </source>
        <translation>però podreu eliminar les que considereu innecessàries. </translation>
    </message>
    <message>
        <source>¿Crear Líneas?</source>
        <translation>Crear Línies?</translation>
    </message>
</context>
<context>
    <name>CursosTableModel</name>
    <message>
        <source>CÓD.GESTIB</source>
        <translation>CODI GESTIB</translation>
    </message>
    <message>
        <source>DESCRIPCIÓN</source>
        <translation>DESCRIPCIÓ</translation>
    </message>
    <message>
        <source>NIVEL</source>
        <translation>NIVELL</translation>
    </message>
    <message>
        <source>CURSO</source>
        <translation>CURS</translation>
    </message>
    <message>
        <source>Sin grupos</source>
        <translation>Sense grups</translation>
    </message>
    <message>
        <source>Grupos: %1</source>
        <translation>Grups: %1</translation>
    </message>
    <message>
        <source>Falta el NIVEL o el CURSO de este curso.</source>
        <translation>Falta el NIVELL o el CURS d&apos;aquest curs.</translation>
    </message>
    <message>
        <source>Sus Grupos recibirán las mismas Abreviaturas (%1) que los de: %2.</source>
        <translation>Els seus grups rebran les mateixes abreviatures (%1) que els de: %2.</translation>
    </message>
    <message>
        <source>Propuesto por «Sugerir» a partir de la descripción: confírmelo escribiendo en la fila o con OK.</source>
        <translation>Proposat per «Suggerir» a partir de la descripció: confirmau-lo escrivint a la fila o amb OK.</translation>
    </message>
</context>
<context>
    <name>Dbf</name>
    <message>
        <source>La tabla %1 no está abierta</source>
        <translation>La taula %1 no és oberta</translation>
    </message>
    <message>
        <source>La tabla %1 no está en edición</source>
        <translation>La taula %1 no és en edició</translation>
    </message>
    <message>
        <source>No se puede escribir la tabla %1: otro programa ha cambiado sus campos</source>
        <translation>No es pot escriure la taula %1: un altre programa n&apos;ha canviat els camps</translation>
    </message>
    <message>
        <source>No se puede crear la tabla %1: el índice %2 necesita un campo de caracteres llamado %3</source>
        <translation>No es pot crear la taula %1: l&apos;índex %2 necessita un camp de caràcters anomenat %3</translation>
    </message>
    <message>
        <source>No se puede leer la tabla %1: otro programa la ha acortado</source>
        <translation>No es pot llegir la taula %1: un altre programa l&apos;ha escurçada</translation>
    </message>
    <message>
        <source>no existe el campo &apos;%1&apos;</source>
        <translation>no existeix el camp &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>DbfFile</name>
    <message>
        <source>No se puede %1 la tabla %2: %3</source>
        <translation>No es pot %1 la taula %2: %3</translation>
    </message>
    <message>
        <source>abrir</source>
        <translation>obrir</translation>
    </message>
    <message>
        <source>crear</source>
        <translation>crear</translation>
    </message>
    <message>
        <source>La tabla %1 está en uso por otro programa</source>
        <translation>La taula %1 és en ús per un altre programa</translation>
    </message>
    <message>
        <source>bloquear</source>
        <translation>bloquejar</translation>
    </message>
    <message>
        <source>leer</source>
        <translation>llegir</translation>
    </message>
    <message>
        <source>No se puede escribir la tabla %1: el archivo es de solo lectura</source>
        <translation>No es pot escriure la taula %1: el fitxer és només de lectura</translation>
    </message>
    <message>
        <source>escribir</source>
        <translation>escriure</translation>
    </message>
</context>
<context>
    <name>DbfLayout</name>
    <message>
        <source>No se puede abrir la tabla %1: el archivo está dañado (%2)</source>
        <translation>No es pot obrir la taula %1: el fitxer és malmès (%2)</translation>
    </message>
    <message>
        <source>No se puede crear la tabla %1: el campo %2 tiene una anchura de %3 (se admite de 1 a 254)</source>
        <translation>No es pot crear la taula %1: el camp %2 té una amplada de %3 (s&apos;admet d&apos;1 a 254)</translation>
    </message>
    <message>
        <source>No se puede abrir la tabla %1: no es una tabla dBase (el archivo es demasiado corto)</source>
        <translation>No es pot obrir la taula %1: no és una taula dBase (el fitxer és massa curt)</translation>
    </message>
    <message>
        <source>No se puede abrir la tabla %1: no es una tabla dBase</source>
        <translation>No es pot obrir la taula %1: no és una taula dBase</translation>
    </message>
    <message>
        <source>la cabecera está incompleta</source>
        <translation>la capçalera és incompleta</translation>
    </message>
    <message>
        <source>la longitud de la cabecera no corresponde al archivo</source>
        <translation>la longitud de la capçalera no correspon al fitxer</translation>
    </message>
    <message>
        <source>la longitud del registro es incorrecta</source>
        <translation>la longitud del registre és incorrecta</translation>
    </message>
    <message>
        <source>el campo %1 no tiene nombre o anchura</source>
        <translation>el camp %1 no té nom o amplada</translation>
    </message>
    <message>
        <source>los campos no caben en la longitud del registro</source>
        <translation>els camps no caben en la longitud del registre</translation>
    </message>
    <message>
        <source>no hay ningún campo definido</source>
        <translation>no hi ha cap camp definit</translation>
    </message>
    <message>
        <source>la cabecera se corta antes del final de la lista de campos</source>
        <translation>la capçalera es talla abans del final de la llista de camps</translation>
    </message>
    <message>
        <source>No se puede crear la tabla %1: necesita de 1 a 255 campos</source>
        <translation>No es pot crear la taula %1: necessita d&apos;1 a 255 camps</translation>
    </message>
    <message>
        <source>No se puede crear la tabla %1: &quot;%2&quot; no es un nombre de campo válido</source>
        <translation>No es pot crear la taula %1: &quot;%2&quot; no és un nom de camp vàlid</translation>
    </message>
    <message>
        <source>No se puede crear la tabla %1: el registro es demasiado largo</source>
        <translation>No es pot crear la taula %1: el registre és massa llarg</translation>
    </message>
    <message>
        <source>No se puede abrir la tabla %1: el archivo está dañado (el registro %2 no empieza con la marca de registro vigente o borrado)</source>
        <translation>No es pot obrir la taula %1: el fitxer és malmès (el registre %2 no comença amb la marca de registre vigent o esborrat)</translation>
    </message>
</context>
<context>
    <name>DbfValue</name>
    <message>
        <source>El campo %1 de la tabla %2 contiene &quot;%3&quot;, que no es un número</source>
        <translation>El camp %1 de la taula %2 conté &quot;%3&quot;, que no és un número</translation>
    </message>
    <message>
        <source>No se puede escribir el campo %1 de la tabla %2: los campos de tipo %3 son aquí de solo lectura</source>
        <translation>No es pot escriure el camp %1 de la taula %2: els camps de tipus %3 aquí són només de lectura</translation>
    </message>
    <message>
        <source>El valor %1 no cabe en el campo %2 (anchura %3, %4 decimales) de la tabla %5</source>
        <translation>El valor %1 no cap en el camp %2 (amplada %3, %4 decimals) de la taula %5</translation>
    </message>
    <message>
        <source>El campo %1 de la tabla %2 contiene %3, que no es un número entero admitido</source>
        <translation>El camp %1 de la taula %2 conté %3, que no és un nombre enter admès</translation>
    </message>
    <message>
        <source>El campo %1 de la tabla %2 contiene &quot;%3&quot;, que no es un valor lógico</source>
        <translation>El camp %1 de la taula %2 conté &quot;%3&quot;, que no és un valor lògic</translation>
    </message>
    <message>
        <source>No se puede guardar un número no válido en el campo %1 de la tabla %2</source>
        <translation>No es pot desar un número no vàlid en el camp %1 de la taula %2</translation>
    </message>
</context>
<context>
    <name>ExportSummary</name>
    <message>
        <source>corrija esos códigos en el programa de horarios, o repita la importación del centro, y exporte de nuevo</source>
        <translation>corregiu aquests codis al programa d&apos;horaris, o repetiu la importació del centre, i exportau de nou</translation>
    </message>
    <message>
        <source>profesor (PROF en PROFT)</source>
        <translation>professor (PROF a PROFT)</translation>
    </message>
    <message>
        <source>cuyo profesor (PROF) no está en PROFT</source>
        <translation>amb un professor (PROF) que no és a PROFT</translation>
    </message>
    <message>
        <source>«placa» queda vacío</source>
        <translation>«placa» queda buit</translation>
    </message>
    <message>
        <source>grupo (CODGRUPO en GRUPOST)</source>
        <translation>grup (CODGRUPO a GRUPOST)</translation>
    </message>
    <message>
        <source>cuyo grupo (CODGRUPO) no está en GRUPOST</source>
        <translation>amb un grup (CODGRUPO) que no és a GRUPOST</translation>
    </message>
    <message>
        <source>«curs» y «grup» quedan vacíos</source>
        <translation>«curs» i «grup» queden buits</translation>
    </message>
    <message>
        <source>día y hora (DIA y HORA en DIASHORAST)</source>
        <translation>dia i hora (DIA i HORA a DIASHORAST)</translation>
    </message>
    <message>
        <source>cuyo día y hora (DIA y HORA) no están en DIASHORAST</source>
        <translation>amb un dia i hora (DIA i HORA) que no són a DIASHORAST</translation>
    </message>
    <message>
        <source>«dia», «hora» y «durada» quedan vacíos</source>
        <translation>«dia», «hora» i «durada» queden buits</translation>
    </message>
    <message>
        <source>complete los días y horas (DIASHORAST) en el programa de horarios y exporte de nuevo</source>
        <translation>completau els dies i hores (DIASHORAST) al programa d&apos;horaris i exportau de nou</translation>
    </message>
    <message>
        <source>aula (AULA en AULAT)</source>
        <translation>aula (AULA a AULAT)</translation>
    </message>
    <message>
        <source>cuya aula (AULA) no está en AULAT</source>
        <translation>amb una aula (AULA) que no és a AULAT</translation>
    </message>
    <message>
        <source>«aula» queda vacío</source>
        <translation>«aula» queda buit</translation>
    </message>
    <message>
        <source>asignatura (ASIG en ASIGNOMT)</source>
        <translation>assignatura (ASIG a ASIGNOMT)</translation>
    </message>
    <message>
        <source>cuya asignatura (ASIG) no está en ASIGNOMT</source>
        <translation>amb una assignatura (ASIG) que no és a ASIGNOMT</translation>
    </message>
    <message>
        <source>«materia» queda vacío</source>
        <translation>«materia» queda buit</translation>
    </message>
    <message>
        <source>Exportación del horario hacia GestIB</source>
        <translation>Exportació de l&apos;horari cap a GestIB</translation>
    </message>
    <message>
        <source>Archivo: %1</source>
        <translation>Fitxer: %1</translation>
    </message>
    <message>
        <source>Sesiones escritas: %1</source>
        <translation>Sessions escrites: %1</translation>
    </message>
    <message>
        <source>Sesiones sin día (DIA 0), no exportadas: %1</source>
        <translation>Sessions sense dia (DIA 0), no exportades: %1</translation>
    </message>
    <message>
        <source>Sesiones cuyo código no se ha encontrado (el atributo queda vacío):</source>
        <translation>Sessions amb un codi que no s&apos;ha trobat (l&apos;atribut queda buit):</translation>
    </message>
    <message>
        <source>; códigos (%1): %2</source>
        <translation>; codis (%1): %2</translation>
    </message>
    <message>
        <source>%1 %2 (véase la lista abajo): %3; %4.</source>
        <translation>%1 %2 (vegeu la llista de més avall): %3; %4.</translation>
    </message>
    <message>
        <source>1 sesión</source>
        <translation>1 sessió</translation>
    </message>
    <message>
        <source>%1 sesiones</source>
        <translation>%1 sessions</translation>
    </message>
    <message>
        <source>No se ha escrito ninguna sesión y el SolucioHorari.xml anterior, que tenía %1, se ha sustituido: compruebe que el programa de horarios ha guardado su solución en SOLUC y exporte de nuevo.</source>
        <translation>No s&apos;ha escrit cap sessió i el SolucioHorari.xml anterior, que en tenia %1, s&apos;ha substituït: comprovau que el programa d&apos;horaris ha desat la seva solució a SOLUC i exportau de nou.</translation>
    </message>
</context>
<context>
    <name>ExportarCommand</name>
    <message>
        <source>  exportar CENTRE.xml   Pasa el archivo del centro exportado de GestIB a las
                        tablas de trabajo de Velarix (la importación del centro).
      --niveles ARCHIVO   Niveles y cursos en CSV: CODI;NIVEL;CURSO, un curso
                          por línea, UTF-8, con o sin línea de cabecera; con
                          cabecera, las demás columnas (las de la plantilla)
                          no se usan. NIVEL admite 5 caracteres y CURSO 3: un
                          valor más largo se rechaza. Un código que el
                          documento no tiene se avisa y no se usa.
      --recuperar         Recupera los niveles y cursos de una importación
                          anterior (CURSOST2); es lo predeterminado.
      --no-recuperar      No los recupera y borra CURSOST2, como el No del diálogo.
      --lineas            Crea las líneas de asignaturas (predeterminado).
      --sin-lineas        No las crea.
    Los valores de --niveles prevalecen sobre los recuperados. Si algún curso
    queda sin nivel o sin curso, no se crean los grupos, se listan esos cursos
    y la salida es 3.
</source>
        <translation>  exportar CENTRE.xml   Passa el fitxer del centre exportat de GestIB a les
                        taules de treball de Velarix (la importació del centre).
      --niveles FITXER    Nivells i cursos en CSV: CODI;NIVEL;CURSO, un curs
                          per línia, UTF-8, amb línia de capçalera o sense; amb
                          capçalera, les altres columnes (les de la plantilla)
                          no s&apos;usen. NIVEL admet 5 caràcters i CURSO 3: un
                          valor més llarg es rebutja. D&apos;un codi que el
                          document no té se n&apos;avisa i no s&apos;usa.
      --recuperar         Recupera els nivells i cursos d&apos;una importació
                          anterior (CURSOST2); és el valor per defecte.
      --no-recuperar      No els recupera i esborra CURSOST2, com el No del diàleg.
      --lineas            Crea les línies d&apos;assignatures (per defecte).
      --sin-lineas        No les crea.
    Els valors de --niveles prevalen sobre els recuperats. Si algun curs
    queda sense nivell o sense curs, no es creen els grups, es llisten aquests
    cursos i la sortida és 3.
</translation>
    </message>
</context>
<context>
    <name>FolderCommit</name>
    <message>
        <source>No se puede abrir</source>
        <translation>No es pot obrir</translation>
    </message>
    <message>
        <source>No se puede guardar en el disco</source>
        <translation>No es pot desar al disc</translation>
    </message>
    <message>
        <source>No se puede mover %1 a</source>
        <translation>No es pot moure %1 a</translation>
    </message>
    <message>
        <source>No se puede crear la carpeta</source>
        <translation>No es pot crear la carpeta</translation>
    </message>
    <message>
        <source>No se puede escribir %1: %2</source>
        <translation>No es pot escriure %1: %2</translation>
    </message>
    <message>
        <source>No se puede leer</source>
        <translation>No es pot llegir</translation>
    </message>
</context>
<context>
    <name>HandlerBoundary</name>
    <message>
        <source>Error desconocido</source>
        <translation>Error desconegut</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>No se encuentra el archivo de ayuda %1</source>
        <translation>No es troba el fitxer d&apos;ajuda %1</translation>
    </message>
    <message>
        <source>No hay ningún visor para el archivo de ayuda %1</source>
        <translation>No hi ha cap visor per al fitxer d&apos;ajuda %1</translation>
    </message>
</context>
<context>
    <name>ImportSummary</name>
    <message>
        <source>Líneas de asignaturas: creadas</source>
        <translation>Línies d&apos;assignatures: creades</translation>
    </message>
    <message>
        <source>Líneas de asignaturas: no creadas (ASIGT queda vacía)</source>
        <translation>Línies d&apos;assignatures: no creades (ASIGT queda buida)</translation>
    </message>
    <message>
        <source>asignaturas y actividades</source>
        <translation>assignatures i activitats</translation>
    </message>
    <message>
        <source>profesores</source>
        <translation>professors</translation>
    </message>
    <message>
        <source>aulas</source>
        <translation>aules</translation>
    </message>
    <message>
        <source>cursos</source>
        <translation>cursos</translation>
    </message>
    <message>
        <source>niveles y cursos guardados</source>
        <translation>nivells i cursos desats</translation>
    </message>
    <message>
        <source>grupos</source>
        <translation>grups</translation>
    </message>
    <message>
        <source>asignaturas por nivel y curso</source>
        <translation>assignatures per nivell i curs</translation>
    </message>
    <message>
        <source>líneas de asignaturas</source>
        <translation>línies d&apos;assignatures</translation>
    </message>
    <message>
        <source>días y horas</source>
        <translation>dies i hores</translation>
    </message>
    <message>
        <source>ni asignaturas ni actividades</source>
        <translation>ni assignatures ni activitats</translation>
    </message>
    <message>
        <source>para otras, dé a sus cursos NIVEL distintos en el diálogo de niveles y cursos y repita la importación</source>
        <translation>per a unes altres, donau NIVELL diferents als seus cursos en el diàleg de nivells i cursos i repetiu la importació</translation>
    </message>
    <message>
        <source>para otras, cambie esos nombres cortos en GestIB y repita la importación</source>
        <translation>per a unes altres, canviau aquests noms curts a GestIB i repetiu la importació</translation>
    </message>
    <message>
        <source>Importación del centro desde GestIB</source>
        <translation>Importació del centre des de GestIB</translation>
    </message>
    <message>
        <source>Documento: %1</source>
        <translation>Document: %1</translation>
    </message>
    <message>
        <source>Filas de cada tabla:</source>
        <translation>Files de cada taula:</translation>
    </message>
    <message>
        <source>no se ha podido leer</source>
        <translation>no s&apos;ha pogut llegir</translation>
    </message>
    <message>
        <source>Copia de las tablas sustituidas: %1</source>
        <translation>Còpia de les taules substituïdes: %1</translation>
    </message>
    <message>
        <source>Abreviaturas distintas de su base: %1</source>
        <translation>Abreviatures diferents de la seva base: %1</translation>
    </message>
    <message>
        <source>Cursos sin NIVEL o sin CURSO: %1</source>
        <translation>Cursos sense NIVELL o sense CURS: %1</translation>
    </message>
    <message>
        <source>%1 y %2 (%3)</source>
        <translation>%1 i %2 (%3)</translation>
    </message>
    <message>
        <source>Cursos con los mismos 5 primeros caracteres de NIVEL y el mismo CURSO: %1</source>
        <translation>Cursos amb els mateixos 5 primers caràcters de NIVELL i el mateix CURS: %1</translation>
    </message>
    <message>
        <source>%1 sin NIVEL o sin CURSO (véase la lista abajo): repita la importación y complete su NIVEL y su CURSO en el diálogo de niveles y cursos.</source>
        <translation>%1 sense NIVELL o sense CURS (vegeu la llista de més avall): repetiu la importació i completau-ne el NIVELL i el CURS en el diàleg de nivells i cursos.</translation>
    </message>
    <message>
        <source>curso</source>
        <translation>curs</translation>
    </message>
    <message>
        <source>%1 con los mismos 5 primeros caracteres de NIVEL y el mismo CURSO que otro (véase la lista abajo): sus grupos reciben los mismos códigos; repita la importación y distinga sus NIVEL en el diálogo de niveles y cursos.</source>
        <translation>%1 amb els mateixos 5 primers caràcters de NIVELL i el mateix CURS que un altre (vegeu la llista de més avall): els seus grups reben els mateixos codis; repetiu la importació i distingiu-ne els NIVELL en el diàleg de nivells i cursos.</translation>
    </message>
    <message>
        <source>%1 (%2): %3 (véase «Abreviaturas distintas de su base»); %4.</source>
        <translation>%1 (%2): %3 (vegeu «Abreviatures diferents de la seva base»); %4.</translation>
    </message>
    <message>
        <source>abreviatura distinta de su base</source>
        <translation>abreviatura diferent de la seva base</translation>
    </message>
    <message>
        <source>abreviaturas distintas de su base</source>
        <translation>abreviatures diferents de la seva base</translation>
    </message>
    <message>
        <source>%1 (%2): 0, el documento no trae %3; compruebe la exportación del centro en GestIB y repita la importación.</source>
        <translation>%1 (%2): 0, el document no porta %3; comprovau l&apos;exportació del centre a GestIB i repetiu la importació.</translation>
    </message>
    <message>
        <source>    %1 (%2): %3 (antes %4)</source>
        <translation>    %1 (%2): %3 (abans %4)</translation>
    </message>
    <message>
        <source>Las tablas sustituidas eran de otro centro (%1; este documento es de %2): compruebe que ha elegido el archivo de su centro.%3</source>
        <translation>Les taules substituïdes eren d&apos;un altre centre (%1; aquest document és de %2): comprovau que heu triat el fitxer del vostre centre.%3</translation>
    </message>
    <message>
        <source>Las tablas sustituidas eran de otro curso escolar (%1; este documento es de %2): compruebe que ha elegido la exportación de este curso.%3</source>
        <translation>Les taules substituïdes eren d&apos;un altre curs escolar (%1; aquest document és de %2): comprovau que heu triat l&apos;exportació d&apos;aquest curs.%3</translation>
    </message>
    <message>
        <source>%1 (%2) tenía %3 filas, que Velarix pudo haber completado, y ahora tiene %4: se han perdido %5.%6</source>
        <translation>%1 (%2) tenia %3 files, que Velarix podia haver completat, i ara en té %4: se n&apos;han perdut %5.%6</translation>
    </message>
    <message>
        <source>%1 (%2) tenía %3 filas y ahora tiene %4, menos de la mitad: compruebe que el documento de GestIB está completo.%5</source>
        <translation>%1 (%2) tenia %3 files i ara en té %4, menys de la meitat: comprovau que el document de GestIB és complet.%5</translation>
    </message>
    <message>
        <source>Cambios respecto a las tablas sustituidas:</source>
        <translation>Canvis respecte de les taules substituïdes:</translation>
    </message>
    <message>
        <source>    %1 (%2): %3, %4, %5 con otro nombre</source>
        <translation>    %1 (%2): %3, %4, %5 amb un altre nom</translation>
    </message>
    <message>
        <source>nuevo</source>
        <translation>nou</translation>
    </message>
    <message>
        <source>nuevos</source>
        <translation>nous</translation>
    </message>
    <message>
        <source>desaparecido</source>
        <translation>desaparegut</translation>
    </message>
    <message>
        <source>desaparecidos</source>
        <translation>desapareguts</translation>
    </message>
    <message>
        <source>La carpeta de trabajo no existía y se ha creado en %1: compruebe que es la que usa Velarix.</source>
        <translation>La carpeta de treball no existia i s&apos;ha creat a %1: comprovau que és la que empra Velarix.</translation>
    </message>
    <message>
        <source> Lo sustituido está en la copia %1; se puede deshacer la importación con «Deshacer esta importación» o con transtarquoib-cli restaurar.</source>
        <translation> El que s&apos;ha substituït és a la còpia %1; es pot desfer la importació amb «Desfer aquesta importació» o amb transtarquoib-cli restaurar.</translation>
    </message>
    <message>
        <source>Líneas de asignaturas: se crearían</source>
        <translation>Línies d&apos;assignatures: es crearien</translation>
    </message>
    <message>
        <source>Líneas de asignaturas: no se crearían (ASIGT quedaría vacía)</source>
        <translation>Línies d&apos;assignatures: no es crearien (ASIGT quedaria buida)</translation>
    </message>
</context>
<context>
    <name>ImportarCommand</name>
    <message>
        <source>  importar CARPETA|ARCHIVO
                        Pasa el horario de Velarix (SOLUC) a GestIB: escribe
                        &quot;SolucioHorari.xml&quot; en la carpeta indicada o en la
                        carpeta del archivo indicado.
</source>
        <translation>  importar CARPETA|FITXER
                        Passa l&apos;horari de Velarix (SOLUC) a GestIB: escriu
                        &quot;SolucioHorari.xml&quot; a la carpeta indicada o a la
                        carpeta del fitxer indicat.
</translation>
    </message>
    <message>
        <source>importar necesita la carpeta o un archivo de la carpeta de GestIB</source>
        <translation>importar necessita la carpeta o un fitxer de la carpeta de GestIB</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>No se puede escribir en %1</source>
        <translation>No es pot escriure a %1</translation>
    </message>
</context>
<context>
    <name>LevelsFile</name>
    <message>
        <source>%1, línea %2: la cabecera no tiene la columna %3</source>
        <translation>%1, línia %2: la capçalera no té la columna %3</translation>
    </message>
    <message>
        <source>%1: %2 «%3» tiene %4 caracteres; el campo admite %5</source>
        <translation>%1: %2 «%3» té %4 caràcters; el camp n&apos;admet %5</translation>
    </message>
    <message>
        <source>No se puede leer el archivo de niveles %1: %2</source>
        <translation>No es pot llegir el fitxer de nivells %1: %2</translation>
    </message>
    <message>
        <source>El archivo de niveles %1 no está en UTF-8 (línea %2); en la hoja de cálculo, guárdelo como «CSV UTF-8»</source>
        <translation>El fitxer de nivells %1 no és en UTF-8 (línia %2); al full de càlcul, desau-lo com a «CSV UTF-8»</translation>
    </message>
    <message>
        <source>%1, línea %2</source>
        <translation>%1, línia %2</translation>
    </message>
    <message>
        <source>%1: falta el código del curso</source>
        <translation>%1: falta el codi del curs</translation>
    </message>
    <message>
        <source>%1: el curso %2 ya aparece en la línea %3</source>
        <translation>%1: el curs %2 ja apareix a la línia %3</translation>
    </message>
    <message>
        <source>%1: se esperaban tres campos separados por «;» (CODI;NIVEL;CURSO) y hay %2</source>
        <translation>%1: s&apos;esperaven tres camps separats per «;» (CODI;NIVEL;CURSO) i n&apos;hi ha %2</translation>
    </message>
    <message>
        <source>; la línea los separa con tabuladores: en la hoja de cálculo, guarde el archivo como CSV con «;» como separador</source>
        <translation>; la línia els separa amb tabuladors: al full de càlcul, desau el fitxer com a CSV amb «;» com a separador</translation>
    </message>
    <message>
        <source>; la línea los separa con comas: en la hoja de cálculo, guarde el archivo como CSV con «;» como separador</source>
        <translation>; la línia els separa amb comes: al full de càlcul, desau el fitxer com a CSV amb «;» com a separador</translation>
    </message>
</context>
<context>
    <name>MdxIndex</name>
    <message>
        <source>la longitud de clave %1 no está entre 1 y %2</source>
        <translation>la longitud de clau %1 no és entre 1 i %2</translation>
    </message>
    <message>
        <source>el nombre de etiqueta &apos;%1&apos; debe tener de 1 a %2 caracteres</source>
        <translation>el nom d&apos;etiqueta &apos;%1&apos; ha de tenir d&apos;1 a %2 caràcters</translation>
    </message>
    <message>
        <source>la expresión de clave &apos;%1&apos; debe tener de 1 a %2 caracteres</source>
        <translation>l&apos;expressió de clau &apos;%1&apos; ha de tenir d&apos;1 a %2 caràcters</translation>
    </message>
    <message>
        <source>el nombre de tabla &apos;%1&apos; tiene más de %2 caracteres</source>
        <translation>el nom de taula &apos;%1&apos; té més de %2 caràcters</translation>
    </message>
    <message>
        <source>la clave del registro %1 tiene %2 bytes en lugar de %3</source>
        <translation>la clau del registre %1 té %2 bytes en lloc de %3</translation>
    </message>
    <message>
        <source>No se puede escribir el archivo de índice %1: %2</source>
        <translation>No es pot escriure el fitxer d&apos;índex %1: %2</translation>
    </message>
</context>
<context>
    <name>OpenDialogXML</name>
    <message>
        <source>Seleccionar Archivo XML obtenido de GESTIB</source>
        <translation>Seleccionar el Fitxer XML obtingut de GESTIB</translation>
    </message>
</context>
<context>
    <name>PathProblem</name>
    <message>
        <source>no existe</source>
        <translation>no existeix</translation>
    </message>
    <message>
        <source>la ruta es demasiado larga para el sistema</source>
        <translation>el camí és massa llarg per al sistema</translation>
    </message>
    <message>
        <source>es una carpeta, no un archivo</source>
        <translation>és una carpeta, no un fitxer</translation>
    </message>
    <message>
        <source>no es una carpeta, o una parte de la ruta no lo es</source>
        <translation>no és una carpeta, o una part del camí no ho és</translation>
    </message>
    <message>
        <source>no hay permiso de acceso o de lectura</source>
        <translation>no hi ha permís d&apos;accés o de lectura</translation>
    </message>
    <message>
        <source>la ruta tiene demasiados enlaces simbólicos</source>
        <translation>el camí té massa enllaços simbòlics</translation>
    </message>
    <message>
        <source>No existe archivo: %1</source>
        <translation>No existeix el fitxer: %1</translation>
    </message>
    <message>
        <source>No se puede usar el archivo %1: %2</source>
        <translation>No es pot usar el fitxer %1: %2</translation>
    </message>
</context>
<context>
    <name>PlantillaCommand</name>
    <message>
        <source>No se puede escribir la plantilla %1: %2</source>
        <translation>No es pot escriure la plantilla %1: %2</translation>
    </message>
    <message>
        <source>en la salida estándar</source>
        <translation>a la sortida estàndard</translation>
    </message>
    <message>
        <source>la carpeta %1: %2</source>
        <translation>la carpeta %1: %2</translation>
    </message>
    <message>
        <source>  plantilla CENTRE.xml  Escribe el archivo de niveles para --niveles:
                        CODI;NIVEL;CURSO;DESCRIPCIO;GRUPOS, un curso del
                        documento por línea, con los niveles y cursos de una
                        importación anterior (CURSOST2) ya puestos. UTF-8 con
                        BOM, para abrirlo y completarlo en una hoja de cálculo.
      -o, --salida ARCHIVO
                          El archivo que se escribe; sin él, la salida estándar.
      --sugerir           Propone, donde falten, el nivel y el curso leídos de
                          la descripción (&quot;1r ESO&quot;: ESO y 1), con los niveles
                          que el centro ya usó (CURSOST2); revíselos.
</source>
        <translation>  plantilla CENTRE.xml  Escriu el fitxer de nivells per a --niveles:
                        CODI;NIVEL;CURSO;DESCRIPCIO;GRUPOS, un curs del
                        document per línia, amb els nivells i cursos d&apos;una
                        importació anterior (CURSOST2) ja posats. UTF-8 amb
                        BOM, per obrir-lo i completar-lo en un full de càlcul.
      -o, --salida FITXER
                          El fitxer que s&apos;escriu; sense ell, la sortida estàndard.
      --sugerir           Proposa, on faltin, el nivell i el curs llegits de
                          la descripció (&quot;1r ESO&quot;: ESO i 1), amb els nivells
                          que el centre ja va emprar (CURSOST2); revisau-los.
</translation>
    </message>
    <message>
        <source>-o %1 es el propio documento del centro; la plantilla necesita otro archivo</source>
        <translation>-o %1 és el mateix document del centre; la plantilla necessita un altre fitxer</translation>
    </message>
    <message>
        <source>Aviso: el curso «%1» no tiene código en el documento; la plantilla no lo lleva.</source>
        <translation>Avís: el curs «%1» no té codi en el document; la plantilla no el du.</translation>
    </message>
    <message>
        <source>Plantilla de niveles: 1 curso, %1 sin nivel o sin curso.</source>
        <translation>Plantilla de nivells: 1 curs, %1 sense nivell o sense curs.</translation>
    </message>
    <message>
        <source>Plantilla de niveles: %1 cursos, %2 sin nivel o sin curso.</source>
        <translation>Plantilla de nivells: %1 cursos, %2 sense nivell o sense curs.</translation>
    </message>
    <message>
        <source>--sugerir ha propuesto todo lo que faltaba; revíselo.</source>
        <translation>--sugerir ha proposat tot el que faltava; revisau-ho.</translation>
    </message>
    <message>
        <source>--sugerir no ha podido proponer 1 curso; complete su nivel o su curso.</source>
        <translation>--sugerir no ha pogut proposar 1 curs; completau-ne el nivell o el curs.</translation>
    </message>
    <message>
        <source>--sugerir no ha podido proponer %1 cursos; complete su nivel o su curso.</source>
        <translation>--sugerir no ha pogut proposar %1 cursos; completau-ne el nivell o el curs.</translation>
    </message>
</context>
<context>
    <name>RequireTablesFree</name>
    <message>
        <source>La tabla %1 está en uso por otro programa (%2). Cierre ese programa y vuelva a intentarlo; no se ha modificado nada.</source>
        <translation>La taula %1 és en ús per un altre programa (%2). Tancau aquest programa i tornau-ho a provar; no s&apos;ha modificat res.</translation>
    </message>
</context>
<context>
    <name>RestaurarCommand</name>
    <message>
        <source>  restaurar [COPIA]     Vuelve a poner en la carpeta de trabajo las tablas de
                        una copia (por su fecha, como la lista copias; sin
                        ella, la más reciente), todas a la vez; las tablas
                        que sustituye quedan a su vez en otra copia.
</source>
        <translation>  restaurar [CÒPIA]     Torna a posar a la carpeta de treball les taules d&apos;una
                        còpia (per la seva data, com la llista copias; sense
                        ella, la més recent), totes alhora; les taules que
                        substitueix queden al seu torn en una altra còpia.
</translation>
    </message>
    <message>
        <source>La copia %1 de %2 no está completa: no se restaura</source>
        <translation>La còpia %1 de %2 no és completa: no es restaura</translation>
    </message>
</context>
<context>
    <name>RestoreBackup</name>
    <message>
        <source>No existe la copia %1</source>
        <translation>No existeix la còpia %1</translation>
    </message>
    <message>
        <source>La copia %1 no está completa: no se restaura</source>
        <translation>La còpia %1 no és completa: no es restaura</translation>
    </message>
    <message>
        <source>No se puede copiar %1 de la copia %2: %3</source>
        <translation>No es pot copiar %1 de la còpia %2: %3</translation>
    </message>
</context>
<context>
    <name>RestoreSummary</name>
    <message>
        <source>Restauración de una copia</source>
        <translation>Restauració d&apos;una còpia</translation>
    </message>
    <message>
        <source>Copia restaurada: %1 (%2)</source>
        <translation>Còpia restaurada: %1 (%2)</translation>
    </message>
    <message>
        <source>Documento: %1</source>
        <translation>Document: %1</translation>
    </message>
    <message>
        <source>Filas de cada tabla:</source>
        <translation>Files de cada taula:</translation>
    </message>
    <message>
        <source>no se ha podido leer</source>
        <translation>no s&apos;ha pogut llegir</translation>
    </message>
    <message>
        <source>Copia de las tablas sustituidas: %1</source>
        <translation>Còpia de les taules substituïdes: %1</translation>
    </message>
</context>
<context>
    <name>RunFrame</name>
    <message>
        <source>No existe archivo</source>
        <translation>No existeix el fitxer</translation>
    </message>
</context>
<context>
    <name>RunLog</name>
    <message>
        <source>No se puede abrir %1: %2</source>
        <translation>No es pot obrir %1: %2</translation>
    </message>
    <message>
        <source>No se puede escribir en %1: %2</source>
        <translation>No es pot escriure a %1: %2</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>Aviso: </source>
        <translation>Avís: </translation>
    </message>
    <message>
        <source>Proceso finalizado</source>
        <translation>Procés finalitzat</translation>
    </message>
    <message>
        <source>Proceso finalizado con 1 aviso</source>
        <translation>Procés finalitzat amb 1 avís</translation>
    </message>
    <message>
        <source>Proceso finalizado con %1 avisos</source>
        <translation>Procés finalitzat amb %1 avisos</translation>
    </message>
    <message>
        <source>… y %1 más</source>
        <translation>… i %1 més</translation>
    </message>
</context>
<context>
    <name>StagedRun</name>
    <message>
        <source>No se puede escribir %1: %2</source>
        <translation>No es pot escriure %1: %2</translation>
    </message>
    <message>
        <source>No se puede copiar %1 a la carpeta provisional %2: %3</source>
        <translation>No es pot copiar %1 a la carpeta provisional %2: %3</translation>
    </message>
</context>
<context>
    <name>StagingFolder</name>
    <message>
        <source>No se puede crear una carpeta de trabajo provisional en %1: %2</source>
        <translation>No es pot crear una carpeta de treball provisional a %1: %2</translation>
    </message>
</context>
<context>
    <name>SummaryWindow</name>
    <message>
        <source>Copiar</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Abrir registro</source>
        <translation>Obre el registre</translation>
    </message>
    <message>
        <source>No se puede abrir el registro %1: ningún programa del sistema abre este tipo de archivo.</source>
        <translation>No es pot obrir el registre %1: cap programa del sistema obre aquest tipus de fitxer.</translation>
    </message>
    <message>
        <source>Deshacer esta importación</source>
        <translation>Desfer aquesta importació</translation>
    </message>
</context>
<context>
    <name>SystemReason</name>
    <message>
        <source>no existe el archivo o la carpeta</source>
        <translation>no existeix el fitxer o la carpeta</translation>
    </message>
    <message>
        <source>no hay permiso para acceder al archivo o a su carpeta</source>
        <translation>no hi ha permís per accedir al fitxer o a la seva carpeta</translation>
    </message>
    <message>
        <source>es una carpeta, no un archivo</source>
        <translation>és una carpeta, no un fitxer</translation>
    </message>
    <message>
        <source>una parte de la ruta no es una carpeta</source>
        <translation>una part del camí no és una carpeta</translation>
    </message>
    <message>
        <source>el disco está lleno</source>
        <translation>el disc és ple</translation>
    </message>
    <message>
        <source>se ha agotado el espacio de disco permitido a este usuario</source>
        <translation>s&apos;ha esgotat l&apos;espai de disc permès a aquest usuari</translation>
    </message>
    <message>
        <source>el archivo supera el tamaño máximo permitido</source>
        <translation>el fitxer supera la mida màxima permesa</translation>
    </message>
    <message>
        <source>el disco es de solo lectura</source>
        <translation>el disc és només de lectura</translation>
    </message>
    <message>
        <source>el archivo está en uso por otro programa</source>
        <translation>el fitxer és en ús per un altre programa</translation>
    </message>
    <message>
        <source>la ruta del archivo es demasiado larga</source>
        <translation>el camí del fitxer és massa llarg</translation>
    </message>
    <message>
        <source>error de lectura o escritura en el disco</source>
        <translation>error de lectura o d&apos;escriptura al disc</translation>
    </message>
    <message>
        <source>hay demasiados archivos abiertos</source>
        <translation>hi ha massa fitxers oberts</translation>
    </message>
    <message>
        <source>falta memoria</source>
        <translation>falta memòria</translation>
    </message>
    <message>
        <source>ya existe un archivo con ese nombre</source>
        <translation>ja existeix un fitxer amb aquest nom</translation>
    </message>
    <message>
        <source>la ruta tiene demasiados enlaces simbólicos</source>
        <translation>el camí té massa enllaços simbòlics</translation>
    </message>
    <message>
        <source>el sistema no admite la operación sobre este archivo</source>
        <translation>el sistema no admet l&apos;operació sobre aquest fitxer</translation>
    </message>
    <message>
        <source>error del sistema %1 (%2)</source>
        <translation>error del sistema %1 (%2)</translation>
    </message>
</context>
<context>
    <name>TControlCursos</name>
    <message>
        <source>Recuperación de Niveles y Cursos importados anteriormente</source>
        <translation>Recuperació de Nivells i Cursos importats anteriorment</translation>
    </message>
    <message>
        <source>Existen Niveles y Cursos ya definidos de una Importación anterior.</source>
        <translation>Hi ha Nivells i Cursos ja definits d&apos;una Importació anterior.</translation>
    </message>
    <message>
        <source>¿Quiere recuperar las codificaciones introducidas anteriormente?</source>
        <translation>Voleu recuperar les codificacions introduïdes anteriorment?</translation>
    </message>
    <message>
        <source>Asignación de Niveles y Cursos</source>
        <translation>Assignació de Nivells i Cursos</translation>
    </message>
    <message>
        <source>%1 en %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>¡Atención! Los Grupos de los cursos marcados recibirán las mismas Abreviaturas (mismos 5 primeros caracteres de NIVEL y 2 de CURSO): %1.</source>
        <translation>Atenció! Els grups dels cursos marcats rebran les mateixes abreviatures (mateixos 5 primers caràcters de NIVELL i 2 de CURS): %1.</translation>
    </message>
    <message>
        <source>¡Atención! Falta algún Dato</source>
        <translation>Atenció! Falta alguna Dada</translation>
    </message>
    <message>
        <source>Curso: %1 - %2</source>
        <translation>Curs: %1 - %2</translation>
    </message>
    <message>
        <source>y 1 curso más</source>
        <translation>i 1 curs més</translation>
    </message>
    <message>
        <source>y %1 cursos más</source>
        <translation>i %1 cursos més</translation>
    </message>
    <message>
        <source>«Sugerir»: todos propuestos; revise las celdas en verde.</source>
        <translation>«Suggerir»: tots proposats; revisau les cel·les en verd.</translation>
    </message>
    <message>
        <source>«Sugerir»: 1 curso sin propuesta; complete su NIVEL o CURSO.</source>
        <translation>«Suggerir»: 1 curs sense proposta; completau-ne el NIVEL o el CURSO.</translation>
    </message>
    <message>
        <source>«Sugerir»: %1 cursos sin propuesta; complete su NIVEL o CURSO.</source>
        <translation>«Suggerir»: %1 cursos sense proposta; completau-ne el NIVEL o el CURSO.</translation>
    </message>
</context>
<context>
    <name>TMForm</name>
    <message>
        <source>Exportar e importar datos entre Velarix y GestIB</source>
        <translation>Exportar i importar dades entre Velarix i GestIB</translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation>&amp;Sortir</translation>
    </message>
    <message>
        <source>Transformar datos desde GestIB hacia Velarix </source>
        <translation>Transformar dades des de GestIB cap a Velarix </translation>
    </message>
    <message>
        <source>Transformar datos desde Velarix hacia GestIB</source>
        <translation>Transformar dades des de Velarix cap a GestIB</translation>
    </message>
    <message>
        <source>TransVelarixGestIB para VX18 V-1.0</source>
        <translation>TransVelarixGestIB per a VX18 V-1.0</translation>
    </message>
    <message>
        <source>F1 AYUDA</source>
        <translation>F1 AJUDA</translation>
    </message>
    <message>
        <source>Para otra transformación, cierre y vuelva a abrir el programa.</source>
        <translation>Per a una altra transformació, tancau i tornau a obrir el programa.</translation>
    </message>
</context>
<context>
    <name>TimetableExport</name>
    <message>
        <source>La HORA %1 de la tabla SOLUC no es un número de hora</source>
        <translation>L&apos;HORA %1 de la taula SOLUC no és un número d&apos;hora</translation>
    </message>
    <message>
        <source>La tabla %1 está incompleta (registros según su cabecera: %2; registros completos en el archivo: %3). No se ha escrito nada.</source>
        <translation>La taula %1 és incompleta (registres segons la seva capçalera: %2; registres complets al fitxer: %3). No s&apos;ha escrit res.</translation>
    </message>
    <message>
        <source>El archivo %1 está en uso por otro programa. Cierre ese programa y vuelva a intentarlo; no se ha modificado nada.</source>
        <translation>El fitxer %1 és en ús per un altre programa. Tancau aquest programa i tornau-ho a provar; no s&apos;ha modificat res.</translation>
    </message>
    <message>
        <source>«SolucioHorari.xml» se guarda en la carpeta del archivo que elija: el archivo de GestIB o cualquier otro de esa carpeta.</source>
        <translation>«SolucioHorari.xml» es desa a la carpeta del fitxer que triïu: el fitxer de GestIB o qualsevol altre d&apos;aquesta carpeta.</translation>
    </message>
    <message>
        <source>Elija el archivo de GestIB o cualquier archivo de la carpeta donde quiere «SolucioHorari.xml».</source>
        <translation>Triau el fitxer de GestIB o qualsevol fitxer de la carpeta on voleu «SolucioHorari.xml».</translation>
    </message>
</context>
<context>
    <name>UndoImport</name>
    <message>
        <source>Deshacer esta importación</source>
        <translation>Desfer aquesta importació</translation>
    </message>
    <message>
        <source>¿Deshacer esta importación y volver a poner las tablas de la copia %1 (%2)? Las tablas de ahora quedarán a su vez en otra copia.</source>
        <translation>Desfer aquesta importació i tornar a posar les taules de la còpia %1 (%2)? Les taules d&apos;ara quedaran al seu torn en una altra còpia.</translation>
    </message>
    <message>
        <source>La copia %1 ya no existe o no está completa: no se puede deshacer la importación</source>
        <translation>La còpia %1 ja no existeix o no és completa: no es pot desfer la importació</translation>
    </message>
</context>
<context>
    <name>WorkingFolderRecovery</name>
    <message>
        <source>Se ha completado la sustitución de las tablas de %1 que una ejecución anterior dejó a medias; las tablas sustituidas están en %2.</source>
        <translation>S&apos;ha completat la substitució de les taules de %1 que una execució anterior va deixar a mitges; les taules substituïdes són a %2.</translation>
    </message>
</context>
<context>
    <name>XmlCharacters</name>
    <message>
        <source>El valor del atributo &quot;%1&quot; contiene el carácter U+%2, que XML no admite</source>
        <translation>El valor de l&apos;atribut &quot;%1&quot; conté el caràcter U+%2, que XML no admet</translation>
    </message>
</context>
<context>
    <name>XmlDocument</name>
    <message>
        <source>No se puede crear un documento XML: falta memoria</source>
        <translation>No es pot crear un document XML: falta memòria</translation>
    </message>
    <message>
        <source>Ruta XML no admitida &quot;%1&quot;: solo se entienden rutas de nombres de elementos</source>
        <translation>Camí XML no admès &quot;%1&quot;: només s&apos;entenen camins de noms d&apos;elements</translation>
    </message>
    <message>
        <source>No se puede leer %1: %2</source>
        <translation>No es pot llegir %1: %2</translation>
    </message>
</context>
<context>
    <name>XmlParser</name>
    <message>
        <source>el documento no es XML bien formado</source>
        <translation>el document no és XML ben format</translation>
    </message>
    <message>
        <source>Error en %1, línea %2, columna %3: %4</source>
        <translation>Error a %1, línia %2, columna %3: %4</translation>
    </message>
    <message>
        <source>Error en %1, línea %2: las referencias a entidades del atributo &quot;%3&quot; dan más texto del admitido (%4 bytes)</source>
        <translation>Error a %1, línia %2: les referències a entitats de l&apos;atribut &quot;%3&quot; donen més text de l&apos;admès (%4 bytes)</translation>
    </message>
    <message>
        <source>No se puede leer %1: el archivo es demasiado grande</source>
        <translation>No es pot llegir %1: el fitxer és massa gran</translation>
    </message>
    <message>
        <source>No se puede leer %1: falta memoria</source>
        <translation>No es pot llegir %1: falta memòria</translation>
    </message>
    <message>
        <source>el archivo está vacío</source>
        <translation>el fitxer és buit</translation>
    </message>
</context>
<context>
    <name>XmlReason</name>
    <message>
        <source>el archivo no es un documento XML: no empieza con un elemento</source>
        <translation>el fitxer no és un document XML: no comença amb un element</translation>
    </message>
    <message>
        <source>hay más contenido después del final del elemento raíz</source>
        <translation>hi ha més contingut després del final de l&apos;element arrel</translation>
    </message>
    <message>
        <source>el texto no está en UTF-8 y el documento no declara en qué codificación está</source>
        <translation>el text no és en UTF-8 i el document no declara en quina codificació és</translation>
    </message>
    <message>
        <source>el documento contiene un carácter que XML no admite</source>
        <translation>el document conté un caràcter que XML no admet</translation>
    </message>
    <message>
        <source>el texto contiene bytes que no son válidos en la codificación que declara el documento</source>
        <translation>el text conté bytes que no són vàlids en la codificació que declara el document</translation>
    </message>
    <message>
        <source>la codificación «%1» que declara el documento no está admitida</source>
        <translation>la codificació «%1» que declara el document no és admesa</translation>
    </message>
    <message>
        <source>la codificación que declara el documento no corresponde a su contenido</source>
        <translation>la codificació que declara el document no correspon al seu contingut</translation>
    </message>
    <message>
        <source>la entidad «&amp;%1;» no está definida</source>
        <translation>l&apos;entitat «&amp;%1;» no és definida</translation>
    </message>
    <message>
        <source>un atributo usa la entidad externa «&amp;%1;», que no se lee por seguridad</source>
        <translation>un atribut usa l&apos;entitat externa «&amp;%1;», que no es llegeix per seguretat</translation>
    </message>
    <message>
        <source>las entidades del documento se repiten a sí mismas o crecen sin medida; no se leen por seguridad</source>
        <translation>les entitats del document es repeteixen a si mateixes o creixen sense mesura; no es llegeixen per seguretat</translation>
    </message>
    <message>
        <source>el valor de un atributo contiene «&lt;» (debe escribirse &amp;lt;)</source>
        <translation>el valor d&apos;un atribut conté «&lt;» (s&apos;ha d&apos;escriure &amp;lt;)</translation>
    </message>
    <message>
        <source>el valor de un atributo no está entre comillas</source>
        <translation>el valor d&apos;un atribut no és entre cometes</translation>
    </message>
    <message>
        <source>el valor de un atributo es demasiado largo (más de 10 000 000 de caracteres)</source>
        <translation>el valor d&apos;un atribut és massa llarg (més de 10 000 000 de caràcters)</translation>
    </message>
    <message>
        <source>el valor de un atributo no se cierra con su comilla</source>
        <translation>el valor d&apos;un atribut no es tanca amb la seva cometa</translation>
    </message>
    <message>
        <source>el atributo «%1» no tiene valor</source>
        <translation>l&apos;atribut «%1» no té valor</translation>
    </message>
    <message>
        <source>el atributo «%1» aparece dos veces en el mismo elemento</source>
        <translation>l&apos;atribut «%1» apareix dues vegades en el mateix element</translation>
    </message>
    <message>
        <source>la etiqueta de cierre &lt;/%1&gt; no corresponde a &lt;%2&gt;, abierta en la línea %3</source>
        <translation>l&apos;etiqueta de tancament &lt;/%1&gt; no correspon a &lt;%2&gt;, oberta a la línia %3</translation>
    </message>
    <message>
        <source>el documento termina sin cerrar el elemento &lt;%1&gt;, abierto en la línea %2</source>
        <translation>el document acaba sense tancar l&apos;element &lt;%1&gt;, obert a la línia %2</translation>
    </message>
    <message>
        <source>la etiqueta &lt;%1&gt; no termina con «&gt;»</source>
        <translation>l&apos;etiqueta &lt;%1&gt; no acaba amb «&gt;»</translation>
    </message>
    <message>
        <source>un «&amp;» no empieza ninguna referencia (debe escribirse &amp;amp;)</source>
        <translation>un «&amp;» no comença cap referència (s&apos;ha d&apos;escriure &amp;amp;)</translation>
    </message>
    <message>
        <source>falta un nombre válido de elemento o de atributo</source>
        <translation>falta un nom vàlid d&apos;element o d&apos;atribut</translation>
    </message>
    <message>
        <source>un nombre de elemento o de atributo es demasiado largo</source>
        <translation>un nom d&apos;element o d&apos;atribut és massa llarg</translation>
    </message>
    <message>
        <source>un comentario es demasiado largo</source>
        <translation>un comentari és massa llarg</translation>
    </message>
    <message>
        <source>un comentario no está cerrado</source>
        <translation>un comentari no és tancat</translation>
    </message>
    <message>
        <source>una sección CDATA no está cerrada</source>
        <translation>una secció CDATA no és tancada</translation>
    </message>
    <message>
        <source>la declaración XML solo puede estar al principio del documento</source>
        <translation>la declaració XML només pot ser al principi del document</translation>
    </message>
    <message>
        <source>falta memoria para leer el documento</source>
        <translation>falta memòria per llegir el document</translation>
    </message>
    <message>
        <source>los elementos están anidados a más de %1 niveles</source>
        <translation>els elements estan imbricats en més de %1 nivells</translation>
    </message>
    <message>
        <source>un elemento o un texto es demasiado largo</source>
        <translation>un element o un text és massa llarg</translation>
    </message>
    <message>
        <source>el documento no es XML bien formado (%1)</source>
        <translation>el document no és XML ben format (%1)</translation>
    </message>
</context>
<context>
    <name>XmlStreamWriter</name>
    <message>
        <source>No se puede dar valor al atributo &quot;%1&quot;: no se está empezando ningún elemento</source>
        <translation>No es pot donar valor a l&apos;atribut &quot;%1&quot;: no s&apos;està començant cap element</translation>
    </message>
    <message>
        <source>No se puede cerrar un elemento: no hay ninguno abierto</source>
        <translation>No es pot tancar un element: no n&apos;hi ha cap d&apos;obert</translation>
    </message>
    <message>
        <source>No se puede escribir %1: el elemento &quot;%2&quot; no está cerrado</source>
        <translation>No es pot escriure %1: l&apos;element &quot;%2&quot; no és tancat</translation>
    </message>
    <message>
        <source>No se puede escribir %1: %2</source>
        <translation>No es pot escriure %1: %2</translation>
    </message>
</context>
</TS>
