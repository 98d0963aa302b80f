Razoz-Quorex de Tallwick  6 de 49  La Dovovuduv España

Apuesta

1. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Pulse aquí para cambiar la apuesta 1 con el formulario o generarla al azar
2. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Pulse aquí para cambiar la apuesta 2 con el formulario o generarla al azar
3. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Pulse aquí para cambiar la apuesta 3 con el formulario o generarla al azar
4. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Pulse aquí para cambiar la apuesta 4 con el formulario o generarla al azar
5. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Pulse aquí para cambiar la apuesta 5 con el formulario o generarla al azar
6. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Pulse aquí para cambiar la apuesta 6 con el formulario o generarla al azar
7. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Pulse aquí para cambiar la apuesta 7 con el formulario o generarla al azar
8. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Pulse aquí para cambiar la apuesta 8 con el formulario o generarla al azar
9. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Pulse aquí para cambiar la apuesta 9 con el formulario o generarla al azar
10. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Pulse aquí para cambiar la apuesta 10 con el formulario o generarla al azar
11. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Pulse aquí para cambiar la apuesta 11 con el formulario o generarla al azar
12. Apuesta
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Pulse aquí para cambiar la apuesta 12 con el formulario o generarla al azar

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
Fijar número de la suerte
Aquí puede ayudar un poco al azar y generar de verdad su propia apuesta
&Enviar apuestas
Aquí puede enviar la apuesta por Internet

Guardar las apuestas

Cargar apuestas de un archivo
Apuesta

Distribución

Buscar apuestas en la BD
Aquí puede buscar si esta apuesta ya ha salido alguna vez
Categorías de premio
Cuántas veces estas apuestas habrían ganado cada categoría, frente al azar
Razoz-Quorex en Internet

Noticias y actualizaciones

Cálculo

Estadístico

Preferir números para las apuestas según la estadística

Preferir los números que han salido con especial frecuencia
Preferir el primer X % de los números más sorteados
El primer X por ciento recibe una probabilidad mayor
El primer X por ciento recibe una probabilidad mayor
Preferir los números que han salido especialmente poco
preferir el primer X % de los números menos sorteados
El primer X por ciento recibe una probabilidad mayor
El primer X por ciento recibe una probabilidad mayor
Números pendientes desde hace más tiempo
preferir el primer X % de los números pendientes desde hace más tiempo
El primer X por ciento recibe una probabilidad mayor
El primer X por ciento recibe una probabilidad mayor
El cálculo de apuestas usa en cada caso el primer x % (p. ej. hasta el 30 % del máximo)

Preferir números que forman pares a menudo

más raros

Preferir números que forman tríos a menudo

más raros

Preferir números que forman cuartetos a menudo

más raros

preferir los vecinos de los números del último sorteo

Para premios más altos se pueden "penalizar" ciertos números

evitar los números 1-12 (meses, muy jugados por quienes apuestan fechas) 

reducir el peso de los números 1-31 (fechas)  -  menos frecuentes en la apuesta

En "General" puede fijar que solo se usen estos números para calcular las apuestas


Gráfico de la distribución de los números sorteados

Gráfico de los números pendientes

Gráfico de las parejas de números

Gráfico de los tríos de números

Gráfico de los cuartetos de números
Optimización del boleto

Optimización de las apuestas del boleto entre sí 

coincidencias mínimas con otras apuestas

coincidencias máximas con otras apuestas

Aplicar mín./máx. entre cada apuesta y cada una de las demás

Optimización de las apuestas frente a sorteos pasados

cantidad máxima permitida de números del último sorteo 
Coincidencia con números de un sorteo anterior
cantidad máxima permitida de números del penúltimo sorteo 
Coincidencia con números de un sorteo anterior
cantidad máxima permitida de números del antepenúltimo sorteo 
Coincidencia con números de un sorteo anterior
contar el complementario entre los aciertos 

La apuesta aún no coincide con ningún sorteo de la base con 
La apuesta aún no debe haber logrado estos aciertos en la base de datos, desde la fecha de la página Gráfico
Ponga el valor en 5 o 6 si usa toda la base de datos
Ponga el valor en 5 o 6 si usa toda la base de datos
aciertos

La apuesta no logra
La apuesta aún no debe haber logrado estos aciertos en la base de datos, desde la fecha de la página Gráfico
Ponga el valor en 4 o 5 si elige un número de sorteos muy grande
Ponga el valor en 4 o 5 si elige un número de sorteos muy grande
aciertos en los últimos

Aquí puede excluir además p. ej. 3 o 4 aciertos en los últimos sorteos
Aquí puede excluir además p. ej. 3 o 4 aciertos en los últimos sorteos
sorteos

La apuesta no logra 
La apuesta aún no debe haber logrado estos aciertos en la base de datos, desde la fecha de la página Gráfico
Ponga el valor en 4 o 5 si elige un número de sorteos muy grande
Ponga el valor en 4 o 5 si elige un número de sorteos muy grande
aciertos en los últimos

Aquí puede excluir además p. ej. 3 o 4 aciertos en los últimos sorteos
Aquí puede excluir además p. ej. 3 o 4 aciertos en los últimos sorteos
sorteos

Matemático

Estas condiciones se aplican a cada apuesta

Permitir sumas de                  a                     en la apuesta


Gráfico de la distribución de sumas
La distribución de sumas de los sorteos pasados se ve en el gráfico bajo QS  

Limitando la suma puede evitar apuestas como 1-2-3-4-5-6 o 39-41-43-46-47-49

Si quiere apostar a premios más altos, elija sumas mayores de 130. (apostantes de fechas)

cantidad mínima de números primos en cada apuesta


Gráfico de los números primos por apuesta
cantidad mínima de números pares en cada apuesta


Gráfico de los números pares por apuesta
cantidad mínima de números impares en cada apuesta


Gráfico de los números impares por apuesta

Gráfico de las parejas de números
Los pares suelen surgir solos, pero aquí también puede forzarlos.

forzar un par por apuesta


Gráfico de los tríos de números

Gráfico de los cuartetos de números
Tríos, 

Cuartetos ... (3-4-5 o 28-29-30-31) salen pocas veces y aquí se pueden evitar del todo

sin tríos, cuartetos ... de números consecutivos

General

Opciones generales de cálculo

Máx. pasadas de cálculo

mil

Puede intentar aumentar las pasadas de cálculo si con sus ajustes no se pudieron calcular todas las apuestas. 

Mostrar / editar la lista para generar las apuestas

¡usar solo números preferidos para la apuesta!

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
Se calculan apuestas con los parámetros fijados y se evalúan

Análisis histórico de los parámetros desde la fecha elegida arriba
Cálculo y éxito a partir de la fecha elegida arriba
Recalcular solo tras conseguir 3 aciertos

¿Ha tenido un sorteo alguna vez 5 o 6 aciertos?

Análisis histórico desde la fecha elegida arriba
Cálculo y éxito a partir de la fecha elegida arriba
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
Systeme

Zahlen:

Die Zahlen des Systems (mindestens 6 von 1 bis 49), getrennt durch Leerzeichen oder Kommas
Die Zahlen des Systems (mindestens 6 von 1 bis 49), getrennt durch Leerzeichen oder Kommas
Aus dem Tippschein
Übernimmt die Zahlen der Tipps auf der Seite „Lottotipp“
Aus dem Zahlenpool
Übernimmt die Zahlen des Zahlenpools, den die Berechnung mit den aktuellen Einstellungen bildet
Garantie:

So viele Richtige hat mindestens ein Tipp des Systems …
So viele Richtige hat mindestens ein Tipp des Systems …
Richtige, wenn

… sobald so viele der sechs gezogenen Zahlen unter den gewählten sind
… sobald so viele der sechs gezogenen Zahlen unter den gewählten sind
gezogene Zahlen unter den gewählten sind

Zeitlimit (s):

So lange sucht die Berechnung höchstens nach einem kleineren System
So lange sucht die Berechnung höchstens nach einem kleineren System

Größe des vollen Systems, die kleinste mögliche Größe (Untergrenze) und die beste bekannte Größe

Warum die Zahlen nicht verwendet werden können
System berechnen
Berechnet ein möglichst kleines System mit der Garantie; ein zweiter Klick hält die Suche an und zeigt das beste bisher
Prüfen…
Prüft das angezeigte System oder geladene Tippdateien: Anteil der erfüllten Garantien und die ersten Lücken
Gewinnklassen…
Die Gewinnklassen der Tipps des angezeigten Scheins

Das geprüfte System: Größe, Herkunft und Abstand zur Untergrenze
In den Tippschein
Schreibt die 12 Tipps des angezeigten Scheins in den Tippschein
<
Der vorige Schein des Systems in den Tippschein

Der angezeigte Schein von 12 Tipps
>
Der nächste Schein des Systems in den Tippschein
Tippdateien speichern…
Speichert je 12 Tipps als eine Tippdatei in einen Ordner
Scheine drucken
Druckt jeden Schein des Systems nacheinander

Einsatz des Systems für eine Ziehung, ohne Zusatzspiele und Gebühren
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

Envío por Internet

Servicio de envío

Dirección del servicio que da el comienzo de la dirección de envío y los nuevos scripts de clics
Dirección del servicio que da el comienzo de la dirección de envío y los nuevos scripts de clics
Dirección Tipp24

Dirección (https y nombre de host) del portal Tipp24
Dirección (https y nombre de host) del portal Tipp24
Web de novedades

Esta página se indica cuando el servicio de envío no responde
Esta página se indica cuando el servicio de envío no responde
N.º de socio

Se envía con la apuesta como referencia de socio
Se envía con la apuesta como referencia de socio
Descarga Klickomat

Página de la que se descarga Klickomat si no está instalado
Página de la que se descarga Klickomat si no está instalado
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

Categorías de pre&mio

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

Acerca de Razoz-Quorex

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

Qué números para el cálculo


Guardar la lista

Cargar la lista
Cancelar

&Azar

Aceptar

&Calcular

Posición de la impresión del boleto

Estructura 6x2 o 1x12

Apuestas en bloques de 7x7

Números de una apuesta en línea 49x1

Altura de casilla:

Anchura de casilla:

Corrección izquierda:

Corrección 2.ª fila:

Arriba:

Izquierda:

Spiel 77 sí:

Spiel 77 no:

Super 6 sí:

Super 6 no:

Glücksspirale sí:

Glücksspirale no:

Miércoles:

Sábado:

Sáb/Mié:

Archivo de imagen del boleto (jpg)

OK

¡Elija el script para transmitir los números!

Archivo Click-Script de Tallwick

Parámetros 

NÚMERO1

NÚMERO2

TEXTO1

TEXTO2

Aceptar

Cancelar

