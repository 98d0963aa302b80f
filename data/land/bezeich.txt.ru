Razoz-Quorex от Tallwick  6 из 49  La Dovovuduv Испания

Ставки

1. Ставка
Если «Ставка» красная, этот ряд не пересчитывается!
…
Klicken Sie hier um Tipp 1 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
2. Ставка
Если «Ставка» красная, этот ряд не пересчитывается!
…
Klicken Sie hier um Tipp 2 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
3. Ставка
Если «Ставка» красная, этот ряд не пересчитывается!
…
Klicken Sie hier um Tipp 3 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
4. Ставка
Если «Ставка» красная, этот ряд не пересчитывается!
…
Klicken Sie hier um Tipp 4 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
5. Ставка
Если «Ставка» красная, этот ряд не пересчитывается!
…
Klicken Sie hier um Tipp 5 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
6. Ставка
Если «Ставка» красная, этот ряд не пересчитывается!
…
Klicken Sie hier um Tipp 6 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
7. Ставка
Если «Ставка» красная, этот ряд не пересчитывается!
…
Klicken Sie hier um Tipp 7 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
8. Ставка
Если «Ставка» красная, этот ряд не пересчитывается!
…
Klicken Sie hier um Tipp 8 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
9. Ставка
Если «Ставка» красная, этот ряд не пересчитывается!
…
Klicken Sie hier um Tipp 9 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
10. Ставка
Если «Ставка» красная, этот ряд не пересчитывается!
…
Klicken Sie hier um Tipp 10 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
11. Ставка
Если «Ставка» красная, этот ряд не пересчитывается!
…
Klicken Sie hier um Tipp 11 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
12. Ставка
Если «Ставка» красная, этот ряд не пересчитывается!
…
Klicken Sie hier um Tipp 12 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen

Удалить все ставки

Обновить числа тиражей с сервера

Показать предыдущий тираж

Показать следующий тираж
QS: 
Сумма шести выпавших чисел
№ билета
Щёлкните здесь, чтобы ввести номер билета
Тиражи субботы
Использовать данные субботних тиражей
Тиражи четверга
Использовать данные четверговых тиражей
&Рассчитать ставки
Заданное число ставок рассчитывается с выбранными параметрами
Glückszahl setzen
Hier können Sie den Zufall etwas nachhelfen und wirklich Ihren Tipp generieren
Tipp &abgeben
Hier können Sie den Tipp Online abgeben

Сохранить ставки

Загрузить ставки из файла
Tipp

Tippverteilung

Tipps in DB suchen
Hier können Sie suchen ob dieser Tipp schon einmal gezogen wurde
Razoz-Quorex в Интернете

Новости и обновления

Расчёт

Статистика

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


Диаграмма распределения выпавших чисел

Диаграмма давно не выпадавших чисел

Диаграмма пар чисел

Диаграмма троек чисел

Диаграмма четвёрок чисел
Оптимизация билета

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

Математика

Diese Bedingungen werden in jeder Tippreihe berücksichtigt

Quersummen von                  bis                     im Tipp zulassen


Диаграмма распределения сумм
Распределение сумм прошлых тиражей видно на диаграмме под кнопкой QS  

Durch das Begrenzen der Quersummer können Sie Tipps wie 1-2-3-4-5-6 oder 39-41-43-46-47-49

Mochten Sie auf höhere Quoten Tippen, wählen Sie Quersummer größer 130. (Datumstipper)

mindest Anzahl von Primzahlen in jedem Tipp


Диаграмма простых чисел в ставке
mindest Anzahl von geraden Zahlen in jedem Tipp


Диаграмма чётных чисел в ставке
mindest Anzahl ungeraden Zahlen in jedem Tipp


Диаграмма нечётных чисел в ставке

Диаграмма пар чисел
Пары обычно возникают сами, но здесь их можно и задать принудительно.

eine Paarbildung pro Tipp erzwingen


Диаграмма троек чисел

Диаграмма четвёрок чисел
Тройки, 

четвёрки ... (3-4-5 или 28-29-30-31) выпадают довольно редко, здесь их можно исключить

keine Dreier , Vierer... Paare

Общее

Allgemeine Berechnungsoptionen

Max. Berechnungsläufe

Tausend

Sie können versuchen die Berechnungsläufe zu erhöhen, falls mit Ihren Einstellungen nicht alle Reihen berechnet werden konnten. 

Liste für Zahlenreihengenerierung anzeigen / bearbeiten

für den Tipp nur bevorzugte Zahlen verwenden!

Диаграмма

Эта дата — начало расчёта; более ранние тиражи не учитываются
Эта дата — начало расчёта; более ранние тиражи не учитываются
Частота
Распределение выпавших чисел
Давно нет
как долго каждое число не выпадало
QS
распределение сумм выпавших чисел
Reintegro
распределение выпавших цифр Reintegro
Reintegro ждут
как долго каждая цифра Reintegro не выпадала
Пары
диаграмма пар чисел
Тройки
диаграмма групп из трёх чисел
Четвёрки
диаграмма групп из четырёх чисел
База данных

Эта дата — конец расчёта; более поздние тиражи не учитываются
Эта дата — конец расчёта; более поздние тиражи не учитываются

Оценить ставку по тиражу выбранной даты
&Обновить базу
Обновить числа тиражей с сервера

Остановить загрузку
Создать базу заново
Тиражи загружаются заново начиная с даты, указанной выше
Ввести
Ввод данных тиража вручную.
Удалить
Удалить показанный тираж
Загрузить CSV
Добавить в базу тиражи из списка результатов (CSV)

Состояние базы: число тиражей и чего в ней не хватает
Anhand der eingestellten Parameter werden Tipps berechnet und ausgewertet

Historische Analyse der Parameter beginnenden mit oben gewähltem Datum
Berechnung und Erfolg beginnend mit dem oben gewählten Datum
Neuberechnung  nur wenn ein 3er erzielt wurde

War eine Ziehung schon einmal ein 5er oder 6er?

Historische Analyse beginnend mit dem oben gewähltem Datum
Berechnung und Erfolg beginnend mit dem oben gewählten Datum
Давно нет
Строит диаграмму давно не выпадавших чисел
Reintegro давно нет
строит диаграмму давно не выпадавших цифр Reintegro
Искать пары
Строит диаграмму пар соседних чисел
Искать тройки
Строит диаграмму троек соседних чисел
Искать четвёрки
Строит диаграмму четвёрок соседних чисел
Простые в ставке
строит диаграмму простых чисел в ставке
Нечётные в ставке
строит диаграмму нечётных чисел в ставке
Чётные в ставке
строит диаграмму чётных чисел в ставке
Интернет

Прокси-сервер

Оставьте пустым, если не используете прокси-сервер
Оставьте пустым, если не используете прокси-сервер
Порт прокси

Сервер тиражей

Адрес сервера, с которого загружаются тиражи
Адрес сервера, с которого загружаются тиражи
Сбор земельной лотереи за один билет

За один тираж:

За оба тиража (сб и чт):

Играю только по субботам (суббота выбрана при отправке)

Включить страницу ссылок

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
Ссылки

http://www.tallwick.example/zahlen/

http://www.tallwick.example/razoz/

http://www.tallwick.example/lotto-planer/

http://www.tallwick.example/toto-tipp/

http://www.tallwick.example/keno-rechner/

http://www.tallwick.example/systemscheine/

http://www.lottobay.example/

http://www.tallwick.example/rubbellos/

&Обновить

&Рассчитать

О&тправить

&Печать билета

Sprache/Language/Langue

Немецкий

Английский

Французский

Испанский

Турецкий

Русский

Польский

Чешский

Нидерландский

Экспорт

Справка

Показать документацию

&Закрыть

Настройки печати лотерейного билета

Суббота

Среда

Spiel 77

Super 6

Глюксшпирале

Показать билет для проверки

Extra

Стоимость:

0,00 €

Нажмите «Online», чтобы анонимно передать данные в Tipp24 или lottobay. Затем можно войти или зарегистрироваться.

N
Создать новый номер билета, который ещё не выпадал
?
Проверить, выпадал ли уже этот номер билета
Выбор земельной лотереи 

Саксония ... 

Бранденбург 

Баден-Вюртемберг

Мекленбург-Померания

Северный Рейн-Вестфалия

Берлин

Саар

Нижняя Саксония

Гессен

Саксония-Анхальт

Бавария

Рейнланд-Пфальц

Гамбург

Собственное размещение

настроить

Сверху

Слева

Шрифт

Отправить билет в...

www.lottery24.example

www.tipp24.example

Отмена

Печать

&Online

Welche Zahlen für die Berechnung


Speichern der Liste

Laden der Liste
Abbruch

&Zufall

OK

&Rechnen

Размещение печати на билете

Основа 6x2 или 1x12

Ставки блоками по 7x7

Числа ставки в строку 49x1

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

