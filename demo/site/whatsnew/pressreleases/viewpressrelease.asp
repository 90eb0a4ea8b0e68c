<html>
<head><title>Brimcor - Press Release</title></head>
<body>
  <h1>Press Release</h1>
  <p>The full story of every demo release is the same invented text: Brimcor and its
  products exist only in this demonstration.</p>
  <p><a HREF="default.asp">All press releases</a></p>
</body>
</html>
