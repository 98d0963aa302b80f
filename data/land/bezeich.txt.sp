Razoz-Quorex de Tallwick  6 de 49  La Dovovuduv España

Apuesta

1. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Klicken Sie hier um Tipp 1 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
2. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Klicken Sie hier um Tipp 2 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
3. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Klicken Sie hier um Tipp 3 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
4. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Klicken Sie hier um Tipp 4 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
5. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Klicken Sie hier um Tipp 5 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
6. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Klicken Sie hier um Tipp 6 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
7. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Klicken Sie hier um Tipp 7 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
8. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Klicken Sie hier um Tipp 8 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
9. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Klicken Sie hier um Tipp 9 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
10. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Klicken Sie hier um Tipp 10 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
11. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Klicken Sie hier um Tipp 11 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
12. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Klicken Sie hier um Tipp 12 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen

Borrar todas las apuestas

Actualizar los números desde el servidor

Mostrar el sorteo anterior

Mostrar el sorteo siguiente
QS: 
Suma de los seis números extraídos
N.º boleto
Pulse aquí para introducir el número de boleto
Sorteos del sábado
Usar los datos de los sorteos del sábado
Sorteos del jueves
Usar los datos de los sorteos del jueves
&Calcular apuestas
Se calcula el número elegido de apuestas con los parámetros indicados
Glückszahl setzen
Hier können Sie den Zufall etwas nachhelfen und wirklich Ihren Tipp generieren
Tipp &abgeben
Hier können Sie den Tipp Online abgeben

Guardar las apuestas

Cargar apuestas de un archivo
Tipp

Tippverteilung

Tipps in DB suchen
Hier können Sie suchen ob dieser Tipp schon einmal gezogen wurde
Razoz-Quorex en Internet

Noticias y actualizaciones

Cálculo

Estadístico

Zahlen für die Tipps über Statistik bevorzugen

Zahlen die besonders oft gezogen wurden bevorzugen
Die ersten X% der am häufigsten gezogenen Zahlen bevorzugen
Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen
Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen
Zahlen die besonders selten gezogen wurden bevorzugen
die ersten X% der am seltensten gezogenen Zahlen bevorzugen
Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen
Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen
Zahlen die am längsten überfällig sind
die ersten X% der am längsten überfälligen Zahlen bevorzugen
Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen
Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen
Für die Tippberechnung werden die jeweils ersten x% verwendet. (z.B. bis 30% vom Maximum)

Zahlen mit einer häufigen Paarebildung bevorzugen

seltensten

Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen

seltensten

Zahlen mit einer häufigen Viergruppenbildung bevorzugen

seltensten

benachbarte Zahlen der letzten Ziehung bevorzugen

Für höherer Quoten können verschiedene Zahlen  "benachteiligt" werden

vermeiden der Zahlen 1-12 (Monat oft getippt durch Datums-Tipper) 

Wertigkeit der Zahlen von 1-31 verringern (Datum)  -  seltener im Tipp enthalten

Unter "Allgemein" können Sie festlegen, dass nur diese Zahlen für die Tippberechnung verwendet werden


Gráfico de la distribución de los números sorteados

Gráfico de los números pendientes

Gráfico de las parejas de números

Gráfico de los tríos de números

Gráfico de los cuartetos de números
Optimización del boleto

Optimierung der einzelnen Tipps miteinander im Schein 

minimale Übereinstimmungen mit anderen Tipps

maximale Übereinstimmungen mit anderen Tipps

Min/Max bezogen auf Verhältnis jedes Tipps auf jeden Tipp anwenden

Optimierung der einzelnen Tipps über die vergangenen Ziehungen

maximal zugelassene Anzahl von Zahlen der letzten Ziehung 
Übereinstimmung mit Zahlen aus vorhergehender Ziehung
maximal zugelassene Anzahl von Zahlen der vorletzten Ziehung 
Übereinstimmung mit Zahlen aus vorhergehender Ziehung
maximal zugelassene Anzahl von Zahlen der drittletzten Ziehung 
Übereinstimmung mit Zahlen aus vorhergehender Ziehung
Zusatzzahl in die Berechnung der Richtigen mit einbeziehen 

Tipp enspricht noch keiner Ziehung der Datenbank nit 
Tipp vor noch keinen Xer aus der Datenbank entsprechen, beginnen mit dem Datum  aus deer Diagrammübersicht
Setzen Sie den Wert auf 5 oder 6 falls Sie die komplette Datenbank verwenden
Setzen Sie den Wert auf 5 oder 6 falls Sie die komplette Datenbank verwenden
Richtigen

Tipp ergibt keine
Tipp vor noch keinen Xer aus der Datenbank entsprechen, beginnen mit dem Datum  aus deer Diagrammübersicht
Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr groß wählen
Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr groß wählen
Richtigen in den letzten

Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen ausschließen
Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen ausschließen
Ziehungen

Tipp ergibt keine 
Tipp vor noch keinen Xer aus der Datenbank entsprechen, beginnen mit dem Datum  aus deer Diagrammübersicht
Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr groß wählen
Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr groß wählen
Richtigen in den letzten

Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen ausschließen
Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen ausschließen
Ziehungen

Matemático

Diese Bedingungen werden in jeder Tippreihe berücksichtigt

Quersummen von                  bis                     im Tipp zulassen


Gráfico de la distribución de sumas
La distribución de sumas de los sorteos pasados se ve en el gráfico bajo QS  

Durch das Begrenzen der Quersummer können Sie Tipps wie 1-2-3-4-5-6 oder 39-41-43-46-47-49

Mochten Sie auf höhere Quoten Tippen, wählen Sie Quersummer größer 130. (Datumstipper)

mindest Anzahl von Primzahlen in jedem Tipp


Gráfico de los números primos por apuesta
mindest Anzahl von geraden Zahlen in jedem Tipp


Gráfico de los números pares por apuesta
mindest Anzahl ungeraden Zahlen in jedem Tipp


Gráfico de los números impares por apuesta

Gráfico de las parejas de números
Los pares suelen surgir solos, pero aquí también puede forzarlos.

eine Paarbildung pro Tipp erzwingen


Gráfico de los tríos de números

Gráfico de los cuartetos de números
Tríos, 

Cuartetos ... (3-4-5 o 28-29-30-31) salen pocas veces y aquí se pueden evitar del todo

keine Dreier , Vierer... Paare

General

Allgemeine Berechnungsoptionen

Max. Berechnungsläufe

Tausend

Sie können versuchen die Berechnungsläufe zu erhöhen, falls mit Ihren Einstellungen nicht alle Reihen berechnet werden konnten. 

Liste für Zahlenreihengenerierung anzeigen / bearbeiten

für den Tipp nur bevorzugte Zahlen verwenden!

Gráfico

Esta fecha es la fecha de inicio del cálculo; los sorteos anteriores no se tienen en cuenta
Esta fecha es la fecha de inicio del cálculo; los sorteos anteriores no se tienen en cuenta
Distribución
Distribución de los números sorteados
Pendientes
cuánto tiempo lleva pendiente cada número
Suma
distribución de las sumas de los números sorteados
Reintegro
distribución de los reintegros sorteados
Reintegro pendiente
Cuánto tiempo lleva pendiente cada reintegro
Pares
gráfico de las parejas de números
Tríos
gráfico de los grupos de tres números
Cuartetos
gráfico de los grupos de cuatro números
Base de datos

Esta fecha es la fecha final del cálculo; los sorteos posteriores no se tienen en cuenta
Esta fecha es la fecha final del cálculo; los sorteos posteriores no se tienen en cuenta

Evaluar la apuesta con el sorteo de la fecha elegida
&Actualizar base de datos
Actualizar los números desde el servidor

Detiene la lectura
Reconstruir base de datos
Los sorteos se leen de nuevo desde la fecha indicada arriba
Introducir
Introducir a mano los datos del sorteo.
Borrar
Borrar el sorteo mostrado
Importar CSV
Añadir sorteos de una lista de resultados (CSV) a la base de datos

Estado de la base de datos: número de sorteos y lo que le falta
Anhand der eingestellten Parameter werden Tipps berechnet und ausgewertet

Historische Analyse der Parameter beginnenden mit oben gewähltem Datum
Berechnung und Erfolg beginnend mit dem oben gewählten Datum
Neuberechnung  nur wenn ein 3er erzielt wurde

War eine Ziehung schon einmal ein 5er oder 6er?

Historische Analyse beginnend mit dem oben gewähltem Datum
Berechnung und Erfolg beginnend mit dem oben gewählten Datum
Pendientes
Crea el gráfico de los números pendientes
Reintegro pendiente
crea el gráfico de los reintegros pendientes
Buscar pares
Crea el gráfico de pares de números consecutivos
Buscar tríos
Crea el gráfico de tríos de números consecutivos
Buscar cuartetos
Crea el gráfico de cuartetos de números consecutivos
Primos por apuesta
crea el gráfico de los números primos por apuesta
Impares por apuesta
crea el gráfico de los números impares por apuesta
Pares por apuesta
crea el gráfico de los números pares por apuesta
Opciones de Internet

Servidor proxy

Déjelo vacío si no usa servidor proxy
Déjelo vacío si no usa servidor proxy
Puerto proxy

Servidor de resultados

Dirección del servidor del que se cargan los sorteos
Dirección del servidor del que se cargan los sorteos
Gastos de gestión de la lotería por boleto

Para un sorteo:

Para ambos sorteos (sáb. y jue.):

Solo juego los sábados (sábado preseleccionado al enviar)

Activar página de enlaces

Online-Abgabe

Abgabe-Service

Adresse des Dienstes, der den Anfang der Abgabe-Adresse und neue Click-Scripte liefert
Adresse des Dienstes, der den Anfang der Abgabe-Adresse und neue Click-Scripte liefert
Tipp24-Adresse

Adresse (https und Rechnername) des Portals Tipp24
Adresse (https und Rechnername) des Portals Tipp24
Web-Seite für Updates

Diese Seite wird genannt, wenn der Abgabe-Service nicht erreichbar ist
Diese Seite wird genannt, wenn der Abgabe-Service nicht erreichbar ist
Partner-Nummer

Wird bei der Abgabe als Partner-Referenz mitgeschickt
Wird bei der Abgabe als Partner-Referenz mitgeschickt
Download Klickomat

Seite, von der der Klickomat geladen wird, wenn er nicht installiert ist
Seite, von der der Klickomat geladen wird, wenn er nicht installiert ist
Enlaces

http://www.tallwick.example/zahlen/

http://www.tallwick.example/razoz/

http://www.tallwick.example/lotto-planer/

http://www.tallwick.example/toto-tipp/

http://www.tallwick.example/keno-rechner/

http://www.tallwick.example/systemscheine/

http://www.lottobay.example/

http://www.tallwick.example/rubbellos/

&Actualizar

&Calcular

&Enviar

&Imprimir boleto

Sprache/Language/Langue

Alemán

Inglés

Francés

Español

Turco

Ruso

Polaco

Checo

Neerlandés

Exportar

Ayuda

Mostrar documentación

&Cerrar

Ajustes de impresión del boleto

Sábado

Miércoles

Spiel 77

Super 6

Glücksspirale

Mostrar el boleto de prueba

Extra

Coste:

0,00 €

Pulse "Online" para enviar los datos de forma anónima a Tipp24 o lottobay. Después puede iniciar sesión o registrarse.

N
Crear un número de boleto nuevo que nunca haya salido
?
Comprobar si este número de boleto ya ha salido
Lotería del estado federado 

Sajonia ... 

Brandenburg 

Baden-Württemberg

Mecklemburgo-Pomerania

Renania del Norte-Westfalia

Berlín

Sarre

Baja Sajonia

Hesse

Sajonia-Anhalt

Baviera

Renania-Palatinado

Hamburgo

Posición definida por el usuario

ajustar

Arriba:

Izda.:

Fuente

Enviar el boleto a...

www.lottery24.example

www.tipp24.example

Cancelar

Imprimir

&Online

Welche Zahlen für die Berechnung


Speichern der Liste

Laden der Liste
Abbruch

&Zufall

OK

&Rechnen

Posición de la impresión del boleto

Estructura 6x2 o 1x12

Apuestas en bloques de 7x7

Números de una apuesta en línea 49x1

OK

Script für Zahlenübergabe auswählen!

Tallwicks Click-Script File

Parameter 

ZAHL1

ZAHL2

TEXT1

TEXT2

OK

Abbrechen

