Razoz-Quorex от Tallwick  6 из 49  La Dovovuduv Испания

Ставки

1. Ставка
Если «Ставка» красная, этот ряд не пересчитывается!
2. Ставка
Если «Ставка» красная, этот ряд не пересчитывается!
3. Ставка
Если «Ставка» красная, этот ряд не пересчитывается!
4. Ставка
Если «Ставка» красная, этот ряд не пересчитывается!
5. Ставка
Если «Ставка» красная, этот ряд не пересчитывается!
6. Ставка
Если «Ставка» красная, этот ряд не пересчитывается!
7. Ставка
Если «Ставка» красная, этот ряд не пересчитывается!
8. Ставка
Если «Ставка» красная, этот ряд не пересчитывается!
9. Ставка
Если «Ставка» красная, этот ряд не пересчитывается!
10. Ставка
Если «Ставка» красная, этот ряд не пересчитывается!
11. Ставка
Если «Ставка» красная, этот ряд не пересчитывается!
12. Ставка
Если «Ставка» красная, этот ряд не пересчитывается!

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

Сохранить ставки

Загрузить ставки из файла
Razoz-Quorex в Интернете

Новости и обновления

Расчёт

Статистика


Диаграмма распределения выпавших чисел

Диаграмма давно не выпадавших чисел

Диаграмма пар чисел

Диаграмма троек чисел

Диаграмма четвёрок чисел
Оптимизация билета

Математика

Tipp &abgeben
Hier können Sie den Tipp Online abgeben

Диаграмма распределения сумм
Распределение сумм прошлых тиражей видно на диаграмме под кнопкой QS  


Диаграмма простых чисел в ставке

Диаграмма нечётных чисел в ставке
Tipps in DB suchen
Hier können Sie suchen ob dieser Tipp schon einmal gezogen wurde

Диаграмма чётных чисел в ставке

Диаграмма пар чисел
Пары обычно возникают сами, но здесь их можно и задать принудительно.


Диаграмма троек чисел

Диаграмма четвёрок чисел
Тройки, 

четвёрки ... (3-4-5 или 28-29-30-31) выпадают довольно редко, здесь их можно исключить

Общее

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

Anhand der eingestellten Parameter werden Tipps berechnet und ausgewertet

Historische Analyse der Parameter beginnenden mit oben gewähltem Datum
Berechnung und Erfolg beginnend mit dem oben gewählten Datum
Neuberechnung  nur wenn ein 3er erzielt wurde

War eine Ziehung schon einmal ein 5er oder 6er?

Historische Analyse beginnend mit dem oben gewähltem Datum
Berechnung und Erfolg beginnend mit dem oben gewählten Datum
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

Размещение печати на билете

Основа 6x2 или 1x12

Ставки блоками по 7x7

Числа ставки в строку 49x1

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

