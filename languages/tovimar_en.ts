<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ImageButton</name>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NameInputBar</name>
    <message>
        <source>Product name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NamePrompt</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Application initialization error. Please, contact the developer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreenEdit</name>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shop mode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreenMain</name>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shopping lists</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreenMainDelegate</name>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScreenSettings</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price unit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreenShop</name>
    <message>
        <source>Cart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items in cart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total price</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SortMenuEntries</name>
    <message>
        <source>Sort by category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by product</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kpApplicationManager</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete list</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category with the same name already exists. Do you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter new category name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter new item name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item with the same name already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kpCurrencyUnitsDataModel</name>
    <message>
        <source>Czech crown</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>euro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>forint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hrn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hryvnia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>krone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kyrgyz som</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rub</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rubles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>som</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tenge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yuan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kpItemRowsModel</name>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter category name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete item</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kpLanguagesDataModel</name>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Russian</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kpListDataModel</name>
    <message>
        <source>Are you sure you want to delete all items?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter list name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kpMeasureUnitsDataModel</name>
    <message>
        <source>g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ml</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>oz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>qt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
