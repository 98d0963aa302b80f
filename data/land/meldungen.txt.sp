Distribución de los números extraídos
Sorteos
Suma media
Distribución del reintegro
Búsqueda en la base de datos
¿A partir de cuántos aciertos se avisa?
Acierto en el sorteo del
- ¿seguir buscando?
Apuesta encontrada en la base de datos
parejas
en total
tríos
N.º de boleto
Distribución de las sumas (QS)
suma media
cuartetos
&Detener el cálculo
Calculando la lista de números:
parejas frecuentes
tríos frecuentes
cuartetos frecuentes
números atrasados
vecinos del último sorteo
Calculando las apuestas ...
Apuesta
Límite de pasadas alcanzado - no se pudieron calcular todas las apuestas
Cálculo de las apuestas terminado
Espere, por favor ...
Números atrasados (sorteos desde la última aparición)
Frecuencia de los números en las apuestas
Introduzca un número de la suerte
Semilla del generador aleatorio
Número de la suerte
Análisis de parámetros: aciertos por sorteo    sáb/dom    otros días
El análisis se interrumpió por un error.
Aviso
Qué números para el cálculo
Imprimir boleto / enviar apuestas por Internet
Reintegro atrasado
¿A partir de cuántos aciertos se avisa una repetición?
Repeticiones: aciertos con sorteos anteriores
Aciertos en el sorteo siguiente
Aciertos en el segundo sorteo siguiente
Aciertos en el tercer sorteo siguiente
Primos por apuesta en
de los números extraídos son primos
Impares por apuesta en
de los números extraídos son impares
Pares por apuesta en
de los números extraídos son pares
¿Borrar todas las apuestas no bloqueadas?
Borrar apuestas
Sí
No
Introducir n.º de boleto
no se pudo escribir.
valor mínimo
valor máximo
Introduzca una fecha válida a partir del 17.10.1985
Todavía no hay sorteos en el archivo
¿Leer ahora los sorteos de una lista de resultados (CSV)?
¿Cargar ahora los sorteos desde el servidor de resultados?
Introduzca un número entero de 1 a 99999999
Actualización detenida: %1 sorteos obtenidos
%1 sorteos
1 sorteo
nada anormal
falta: %1
%1 días de sorteo (desde el %2)
%1 registros erróneos (razoz-cli archive check)
último sorteo el %1 - actualice, por favor
&Detener el análisis
No se cargó ningún sorteo. Importe una lista de resultados (CSV, página Datenbank) o indique otro servidor en la página Internet-Optionen.
Importar sorteos de un archivo CSV
Lista de resultados (*.csv)|*.csv
%1 sorteos añadidos, %2 sustituidos; %3 sorteos en el archivo.
%1 sorteos diferían del archivo: %2
