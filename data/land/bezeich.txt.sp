Razoz-Quorex de Tallwick  6 de 49  La Dovovuduv España

Apuesta

1. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
2. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
3. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
4. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
5. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
6. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
7. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
8. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
9. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
10. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
11. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
12. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.

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

Guardar las apuestas

Cargar apuestas de un archivo
Razoz-Quorex en Internet

Noticias y actualizaciones

Cálculo

Estadístico


Gráfico de la distribución de los números sorteados

Gráfico de los números pendientes

Gráfico de las parejas de números

Gráfico de los tríos de números

Gráfico de los cuartetos de números
Optimización del boleto

Matemático

Tipp &abgeben
Hier können Sie den Tipp Online abgeben

Gráfico de la distribución de sumas
La distribución de sumas de los sorteos pasados se ve en el gráfico bajo QS  


Gráfico de los números primos por apuesta

Gráfico de los números impares por apuesta
Tipps in DB suchen
Hier können Sie suchen ob dieser Tipp schon einmal gezogen wurde

Gráfico de los números pares por apuesta

Gráfico de las parejas de números
Los pares suelen surgir solos, pero aquí también puede forzarlos.


Gráfico de los tríos de números

Gráfico de los cuartetos de números
Tríos, 

Cuartetos ... (3-4-5 o 28-29-30-31) salen pocas veces y aquí se pueden evitar del todo

General

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

Anhand der eingestellten Parameter werden Tipps berechnet und ausgewertet

Historische Analyse der Parameter beginnenden mit oben gewähltem Datum
Berechnung und Erfolg beginnend mit dem oben gewählten Datum
Neuberechnung  nur wenn ein 3er erzielt wurde

War eine Ziehung schon einmal ein 5er oder 6er?

Historische Analyse beginnend mit dem oben gewähltem Datum
Berechnung und Erfolg beginnend mit dem oben gewählten Datum
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

Posición de la impresión del boleto

Estructura 6x2 o 1x12

Apuestas en bloques de 7x7

Números de una apuesta en línea 49x1

OK

Linkseite aktivieren

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
Links

http://www.tallwick.example/zahlen/

http://www.tallwick.example/razoz/

http://www.tallwick.example/lotto-planer/

http://www.tallwick.example/toto-tipp/

http://www.tallwick.example/keno-rechner/

http://www.tallwick.example/systemscheine/

http://www.lottobay.example/

http://www.tallwick.example/rubbellos/

&Aktualisieren

&Berechnen

Ab&geben

Schein &drucken

Sprache/Language/Langue

Deutsch

Englisch

Französisch

Spanisch

Türkisch

Russisch

Polnisch

Tschechisch

Niederländisch

Export

Hilfe

Dokumentation anzeigen

S&chließen

Druckeeinstellungen für den Lottoschein

Samstag

Mittwoch

Spiel 77

Super 6

Glücksspirale

Schein zum Test mit anzeigen

Extra

Kosten:

0,00 €

Klicken Sie auf "Online" um  die Daten anonym an Tipp24 oder lottobay zu übergeben.  Anschließend können Sie sich  einloggen oder neu registrieren. 

N
Neu Losnummer welche noch nie gezogen wurde erzeugen
?
Suchen ob diese Losnr schon gezogen wurde
Auswahl der Landeslotterie 

Sachsen ... 

Brandenburg 

Baden-Württemberg

Mecklenburg-Vorpommern

Nordrhein-Westfalen

Berlin

Saarland

Niedersachsen

Hessen

Sachsen-Anhalt

Bayern

Rheinland-Pfalz

Hamburg

Selbst definierte Positionierung

anpassen

Oben:

Links

Schriftart

Tippschein abgeben bei...

www.lottery24.example

www.tipp24.example

Abbrechen

Drucken

&Online

Welche Zahlen für die Berechnung


Speichern der Liste

Laden der Liste
Abbruch

&Zufall

OK

&Rechnen

Positionierung des Scheindruckes

Grundstuktur 6x2 oder 1x12

Tipps in Blöcken mit Aufteilung 7x7

Zahlen eines Tipps waagerechte 49x1

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

