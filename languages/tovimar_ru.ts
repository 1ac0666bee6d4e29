<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>ImageButton</name>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Домой</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
</context>
<context>
    <name>NameInputBar</name>
    <message>
        <source>Product name</source>
        <translation>Название продукта</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ок</translation>
    </message>
</context>
<context>
    <name>NamePrompt</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Application initialization error. Please, contact the developer.</source>
        <translation>Ошибка инициализации приложения. Пожалуйста, свяжитесь с разработчиком.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
</context>
<context>
    <name>ScreenEdit</name>
    <message>
        <source>Amount</source>
        <translation>Количество</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Удалить все</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Заметка</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Цена</translation>
    </message>
    <message>
        <source>Shop mode</source>
        <translation>Режим магазина</translation>
    </message>
</context>
<context>
    <name>ScreenMain</name>
    <message>
        <source>New</source>
        <translation>Новый</translation>
    </message>
    <message>
        <source>Shopping lists</source>
        <translation>Списки покупок</translation>
    </message>
</context>
<context>
    <name>ScreenMainDelegate</name>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n наименование</numerusform>
            <numerusform>%n наименования</numerusform>
            <numerusform>%n наименований</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScreenSettings</name>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Price unit</source>
        <translation>Денежная единица</translation>
    </message>
</context>
<context>
    <name>ScreenShop</name>
    <message>
        <source>Cart</source>
        <translation>Корзина</translation>
    </message>
    <message>
        <source>Edit mode</source>
        <translation>Режим редактирования</translation>
    </message>
    <message>
        <source>Items in cart</source>
        <translation>Наименований в корзине</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>Total price</source>
        <translation>Общая сумма</translation>
    </message>
</context>
<context>
    <name>SortMenuEntries</name>
    <message>
        <source>Sort by category</source>
        <translation>Сортировать по категориям</translation>
    </message>
    <message>
        <source>Sort by product</source>
        <translation>Сортировать по продуктам</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Категории</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
</context>
<context>
    <name>kpApplicationManager</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Are you sure you want to delete list</source>
        <translation>Вы уверены что хотите удалить список</translation>
    </message>
    <message>
        <source>Delete list</source>
        <translation>Удаление списка</translation>
    </message>
    <message>
        <source>Tovimar Lite v1.0.0&lt;br&gt;Velmora&lt;br&gt;2011</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kpCategoriesDataModel</name>
    <message>
        <source>Are you sure you want to delete item </source>
        <translation>Вы уверены что хотите удалить элемент</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Название категории</translation>
    </message>
    <message>
        <source>Category with the same name already exists. Do you want to continue?</source>
        <translation>Категория с таким именем уже существует. Хотите продолжить?</translation>
    </message>
    <message>
        <source>Enter new category name</source>
        <translation>Введите новое название категории</translation>
    </message>
    <message>
        <source>Enter new item name</source>
        <translation>Введите новое название элемента</translation>
    </message>
    <message>
        <source>Item name</source>
        <translation>Название  элемента</translation>
    </message>
    <message>
        <source>Item with the same name already exists</source>
        <translation>Элемент с таким именем уже существует</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>en</source>
        <translation>ru</translation>
    </message>
</context>
<context>
    <name>kpCurrencyUnitsDataModel</name>
    <message>
        <source>Czech crown</source>
        <translation>Чешская крона</translation>
    </message>
    <message>
        <source>Ft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kc</source>
        <translation>Kč</translation>
    </message>
    <message>
        <source>Ls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dollars</source>
        <translation>доллары</translation>
    </message>
    <message>
        <source>euro</source>
        <translation>евро</translation>
    </message>
    <message>
        <source>forint</source>
        <translation>форинт</translation>
    </message>
    <message>
        <source>hrn</source>
        <translation>грн</translation>
    </message>
    <message>
        <source>hryvnia</source>
        <translation>гривна</translation>
    </message>
    <message>
        <source>kr</source>
        <translation>kr</translation>
    </message>
    <message>
        <source>krone</source>
        <translation>крона</translation>
    </message>
    <message>
        <source>kyrgyz som</source>
        <translation>Киргизкий сом</translation>
    </message>
    <message>
        <source>lats</source>
        <translation>латы</translation>
    </message>
    <message>
        <source>pounds</source>
        <translation>фунты</translation>
    </message>
    <message>
        <source>rub</source>
        <translation>руб</translation>
    </message>
    <message>
        <source>rubles</source>
        <translation>рубли</translation>
    </message>
    <message>
        <source>som</source>
        <translation>сум</translation>
    </message>
    <message>
        <source>tenge</source>
        <translation>тенге</translation>
    </message>
    <message>
        <source>tg</source>
        <translation>тг</translation>
    </message>
    <message>
        <source>won</source>
        <translation>вона</translation>
    </message>
    <message>
        <source>yen</source>
        <translation>йена</translation>
    </message>
    <message>
        <source>yuan</source>
        <translation>юань</translation>
    </message>
</context>
<context>
    <name>kpItemRowsModel</name>
    <message>
        <source>Category</source>
        <translation>Категория</translation>
    </message>
    <message>
        <source>Enter category name</source>
        <translation>Введите название категории</translation>
    </message>
    <message>
        <source>Delete item</source>
        <translation>Удалить элемент</translation>
    </message>
</context>
<context>
    <name>kpLanguagesDataModel</name>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
</context>
<context>
    <name>kpListDataModel</name>
    <message>
        <source>Are you sure you want to delete all items?</source>
        <translation>Вы уверены что хотите удалить все элементы?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete item</source>
        <translation>Вы уверены что хотите удалить элемент</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Удалить все</translation>
    </message>
    <message>
        <source>Enter list name</source>
        <translation>Введите название списка</translation>
    </message>
    <message>
        <source>List name</source>
        <translation>Название списка</translation>
    </message>
</context>
<context>
    <name>kpMeasureUnitsDataModel</name>
    <message>
        <source>g</source>
        <translation>г</translation>
    </message>
    <message>
        <source>gal</source>
        <translation>гал</translation>
    </message>
    <message>
        <source>gi</source>
        <translation>дж</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>кг</translation>
    </message>
    <message>
        <source>l</source>
        <translation>л</translation>
    </message>
    <message>
        <source>lb</source>
        <translation>фун</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>мл</translation>
    </message>
    <message>
        <source>oz</source>
        <translation>унц</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>пт</translation>
    </message>
    <message>
        <source>qt</source>
        <translation>квар</translation>
    </message>
</context>
</TS>
